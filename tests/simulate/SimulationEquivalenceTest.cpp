// The fast simulation against the literal one on seeded random histories: same report, same figures, same
// last-step state, same failure.
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Draws.h"
#include "core/Statistics.h"
#include "generate/Catalogue.h"
#include "simulate/Simulation.h"
#include "simulate/SimulationStatistics.h"
#include "support/LiteralSimulation.h"

namespace quintara {
namespace {

// A deterministic source: mt19937's raw output is fixed by the standard, its distributions are not.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool OneIn(int n) { return Below(n) == 0; }

private:
    std::mt19937 m_engine;
};

// How rough a random history is: balls beyond `ballRange` never drawn, repeated balls and dates, stray
// values.
struct Roughness {
    int ballRange = 0;  // 0: the whole range
    bool repeats = false;
    bool strays = false;
};

template <class Rec>
OneBased<Rec> RandomHistory(Dice& dice, int size, const Roughness& rough, double newestDate = 42000) {
    constexpr Game game = GameOfRecord<Rec>();
    const int range = rough.ballRange != 0 ? rough.ballRange : Info(game).maxBall;
    OneBased<Rec> draws;
    double date = newestDate;
    for (int d = 0; d < size; ++d) {
        Rec rec;
        // Two draws on one day make equal last-drawn dates, which only the sort's passes order.
        if (!(rough.repeats && dice.OneIn(6))) {
            date -= dice.Between(2, 5);
        }
        rec.DrawDate = date;
        for (std::size_t i = 0; i < rec.Balls.size(); ++i) {
            int ball = 0;
            const auto drawn = rec.Balls.begin() + static_cast<std::ptrdiff_t>(i);
            do {
                ball = dice.Between(1, range);
            } while (!rough.repeats && std::find(rec.Balls.begin(), drawn, ball) != drawn);
            rec.Balls[i] = static_cast<std::int16_t>(ball);
        }
        if (rough.strays && dice.OneIn(15)) {
            rec.Balls[static_cast<std::size_t>(dice.Below(static_cast<int>(rec.Balls.size())))] =
                static_cast<std::int16_t>(dice.OneIn(2) ? 0 : Info(game).maxBall + 1);
        }
        if constexpr (std::is_same_v<Rec, LottoDrawRec>) {
            rec.BonusBall = static_cast<std::int16_t>(dice.Between(1, range));
        } else if constexpr (std::is_same_v<Rec, ThunderballDrawRec>) {
            rec.Thunderball = static_cast<std::int16_t>(dice.Between(1, rough.ballRange != 0 ? 10 : 14));
            if (rough.strays && dice.OneIn(15)) {
                rec.Thunderball = 15;
            }
        }
        draws.PushBack(rec);
    }
    return draws;
}

OneBased<std::string> RandomWheel(Dice& dice, Game game, int lines, int highest) {
    OneBased<std::string> wheel;
    for (int line = 0; line < lines; ++line) {
        std::string text;
        for (int k = 0; k < Info(game).pointersPerLine; ++k) {
            text += std::to_string(dice.Between(1, highest)) + ",";
        }
        wheel.PushBack(text);
    }
    return wheel;
}

OneBased<std::int16_t> RandomPersonalNumbers(Dice& dice, Game game) {
    OneBased<std::int16_t> numbers;
    const int count = dice.Between(Info(game).pointersPerLine, Info(game).pointersPerLine + 9);
    while (static_cast<int>(numbers.Size()) < count) {
        const auto ball = static_cast<std::int16_t>(dice.Between(1, Info(game).maxBall));
        if (std::find(numbers.begin(), numbers.end(), ball) == numbers.end()) {
            numbers.PushBack(ball);
        }
    }
    return numbers;
}

// Whether a run failed at step `step`, counted from the newest of `drawCount` draws.
bool FailedAtStep(const SimulationResult& result, std::size_t drawCount, std::size_t step) {
    return !result && result.error().text.starts_with("Unable to simulate draw number " +
                                                      std::to_string(drawCount + 1 - step) + ": ");
}

void ExpectSameRun(const SimulationResult& fast, const SimulationResult& literal, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(fast.has_value(), literal.has_value());
    if (!fast) {
        EXPECT_EQ(fast.error(), literal.error());
        return;
    }
    const auto& a = fast.value();
    const auto fields = [](const SimulationRun& run) {
        return std::tie(run.ReportText, run.draws, run.numbersUsed, run.totals, run.FinalNumbers,
                        run.SevenNumbers, run.PickedLines, run.DailyPlayPickedLines, run.LinesGeneratedDate,
                        run.WinningLines);
    };
    EXPECT_EQ(fields(a), fields(literal.value()));
    // The per-draw figures agree with the totals they add up to.
    std::array<std::int32_t, kStrikeCategories> sum{};
    for (const auto& step : a.steps) {
        if (step.category) {
            ++sum[static_cast<std::size_t>(*step.category)];
        }
    }
    EXPECT_EQ(sum, a.totals);
    EXPECT_EQ(a.steps.size(), static_cast<std::size_t>(a.draws));
}

template <class Rec>
SimulationResult Fast(const OneBased<Rec>& draws, const GeneratorRequest& request,
                      const OneBased<std::string>& wheel, std::int32_t n, SimulationCommand command,
                      const OneBased<LottoDrawRec>& lotto) {
    if constexpr (std::is_same_v<Rec, LottoExtraDrawRec>) {
        return RunSimulation(draws, request, wheel, n, command, lotto);
    } else {
        return RunSimulation(draws, request, wheel, n, command);
    }
}

template <class Rec>
void CompareEveryWay(std::uint32_t seed) {
    constexpr Game game = GameOfRecord<Rec>();
    Dice dice(seed);
    const Roughness rough{seed % 3 == 1 ? Info(game).maxBall - 9 : 0, seed % 2 == 0, false};
    const int n = dice.Between(1, 30);
    const auto draws = RandomHistory<Rec>(dice, 100 + n + dice.Between(0, 25), rough);
    // Lotto draws on the same days, for the forty-nine number generator of Lotto Extra.
    const auto lotto = RandomHistory<LottoDrawRec>(dice, static_cast<int>(draws.Size()) + 5, {}, 42001);

    std::vector<SimulationCommand> commands{SimulationCommand::MainBalls};
    if (game == Game::Thunderball) {
        commands.push_back(SimulationCommand::ThunderballBall);
    }
    const auto algorithms = AlgorithmItems(game);
    for (std::size_t index = 0; index <= algorithms.size(); ++index) {
        const bool personal = index == algorithms.size();
        GeneratorRequest request;
        request.game = game;
        request.today = 45000 + seed;
        OneBased<std::string> wheel;
        if (personal) {
            request.algorithm = kPersonalPicksItem;
            request.PersonalPicksActive = true;
            request.PersonalNumbers = RandomPersonalNumbers(dice, game);
            wheel =
                RandomWheel(dice, game, dice.Between(1, 8), static_cast<int>(request.PersonalNumbers.Size()));
        } else {
            request.algorithm = std::string(algorithms[index]);
            request.GeneratorMode = static_cast<std::int16_t>(index);
            const int highest = static_cast<int>(index) == kSevenNumbersMode && Info(game).numbersChosen == 28
                                    ? 7
                                    : Info(game).numbersChosen;
            if (request.algorithm != kFortyNineAlgorithm) {
                wheel = RandomWheel(dice, game, dice.Between(1, 12), highest);
            }
        }
        for (const auto command : commands) {
            const std::string what =
                GameName(game) + ", " + request.algorithm + ", seed " + std::to_string(seed) + ", N " +
                std::to_string(n) +
                (command == SimulationCommand::ThunderballBall ? ", Thunderball ball" : "");
            const auto fast = Fast(draws, request, wheel, n, command, lotto);
            ASSERT_TRUE(fast.has_value()) << what;
            ExpectSameRun(fast, test::RunLiteralSimulation(draws, request, wheel, n, command, lotto), what);
        }
    }
}

TEST(SimulationEquivalence, FastRunEqualsLiteralRunForEveryGameAlgorithmAndCommand) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        CompareEveryWay<LottoDrawRec>(seed);
        CompareEveryWay<LottoExtraDrawRec>(seed);
        CompareEveryWay<ThunderballDrawRec>(seed);
        CompareEveryWay<DailyPlayDrawRec>(seed);
    }
}

TEST(SimulationEquivalence, StatisticsOfEveryStepEqualARecount) {
    auto check = [](auto tag, std::uint32_t seed) {
        using Rec = typename decltype(tag)::type;
        constexpr Game game = GameOfRecord<Rec>();
        Dice dice(seed);
        const Roughness rough{seed % 2 == 0 ? Info(game).maxBall - 12 : 0, true, true};
        const auto draws = RandomHistory<Rec>(dice, 60, rough);
        std::vector<CountedDraw> counted;
        for (const auto& draw : draws) {
            counted.push_back(Counted(draw));
        }
        ShrinkingStatistics shrinking(game, counted);
        EXPECT_EQ(shrinking.Sorted(), ComputeStatistics(game, counted));
        for (std::size_t k = 1; k <= counted.size(); ++k) {
            shrinking.RemoveNewest();
            const std::vector<CountedDraw> rest(counted.begin() + static_cast<std::ptrdiff_t>(k),
                                                counted.end());
            ASSERT_EQ(shrinking.Sorted(), ComputeStatistics(game, rest))
                << GameName(game) << ", seed " << seed << ", " << k << " removed";
        }
    };
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        check(RecordTag<LottoDrawRec>{}, seed);
        check(RecordTag<LottoExtraDrawRec>{}, seed);
        check(RecordTag<ThunderballDrawRec>{}, seed);
        check(RecordTag<DailyPlayDrawRec>{}, seed);
    }
}

TEST(SimulationEquivalence, FailingStepsFailAlike) {
    Dice dice(77);
    const int n = 20;
    auto lotto = RandomHistory<LottoDrawRec>(dice, 140, {});
    GeneratorRequest request;
    request.game = Game::Lotto;

    // A 28-pointer wheel after the seven-number reduction: the first step already fails.
    request.algorithm = std::string(kSevenNumbersAlgorithm);
    request.GeneratorMode = kSevenNumbersMode;
    const auto wide = RandomWheel(dice, Game::Lotto, 5, 28);
    auto fast = RunSimulation(lotto, request, wide, n, SimulationCommand::MainBalls);
    ASSERT_FALSE(fast.has_value());
    EXPECT_TRUE(FailedAtStep(fast, lotto.Size(), 1)) << fast.error().text;
    ExpectSameRun(fast, test::RunLiteralSimulation(lotto, request, wide, n, SimulationCommand::MainBalls),
                  "seven numbers, 28-pointer wheel");

    // A stray ball in the draw that becomes the newest of step 6's history stops the forty-nine number
    // generator there and nowhere before.
    request.algorithm = std::string(kFortyNineAlgorithm);
    request.GeneratorMode = 1;
    lotto[7].BonusBall = 0;
    fast = RunSimulation(lotto, request, {}, n, SimulationCommand::MainBalls);
    ASSERT_FALSE(fast.has_value());
    EXPECT_TRUE(FailedAtStep(fast, lotto.Size(), 6)) << fast.error().text;
    ExpectSameRun(fast, test::RunLiteralSimulation(lotto, request, {}, n, SimulationCommand::MainBalls),
                  "forty-nine numbers, stray ball");

    // A personal wheel pointing past the personal numbers.
    request = GeneratorRequest{};
    request.game = Game::DailyPlay;
    request.algorithm = std::string(kPersonalPicksItem);
    request.PersonalPicksActive = true;
    request.PersonalNumbers = RandomPersonalNumbers(dice, Game::DailyPlay);
    const auto daily = RandomHistory<DailyPlayDrawRec>(dice, 130, {});
    auto beyond = RandomWheel(dice, Game::DailyPlay, 3, static_cast<int>(request.PersonalNumbers.Size()));
    beyond[2] = "1,2,3,4,5,6," + std::to_string(request.PersonalNumbers.Size() + 1) + ",";
    ASSERT_FALSE(RunSimulation(daily, request, beyond, 10, SimulationCommand::MainBalls).has_value());
    ExpectSameRun(RunSimulation(daily, request, beyond, 10, SimulationCommand::MainBalls),
                  test::RunLiteralSimulation(daily, request, beyond, 10, SimulationCommand::MainBalls),
                  "personal wheel beyond the personal numbers");
}

TEST(SimulationEquivalence, LottoExtraFindsTheLottoDrawsOfEachStepWhateverTheOrderOfTheDates) {
    Dice dice(77);
    auto extra = RandomHistory<LottoExtraDrawRec>(dice, 180, {});
    auto lotto = RandomHistory<LottoDrawRec>(dice, 190, {}, 42003);
    // Dates out of order in both histories, and a step dated as its neighbour.
    std::swap(extra[3].DrawDate, extra[40].DrawDate);
    extra[20].DrawDate = extra[21].DrawDate;
    std::swap(lotto[5].DrawDate, lotto[60].DrawDate);
    GeneratorRequest request;
    request.game = Game::LottoExtra;
    request.algorithm = std::string(kFortyNineAlgorithm);
    request.GeneratorMode = 1;
    const auto literal =
        test::RunLiteralSimulation(extra, request, {}, 70, SimulationCommand::MainBalls, lotto);
    ASSERT_TRUE(literal.has_value());
    for (unsigned threads : {1U, 3U}) {
        ExpectSameRun(RunSimulation(extra, request, {}, 70, SimulationCommand::MainBalls, lotto, threads),
                      literal, std::to_string(threads) + " threads");
    }
}

TEST(SimulationEquivalence, ARunSharedOutOverThreadsIsTheRunOfOne) {
    Dice dice(2026);
    auto lotto = RandomHistory<LottoDrawRec>(dice, 400, {});
    GeneratorRequest request;
    request.game = Game::Lotto;
    request.algorithm = std::string(AlgorithmItems(Game::Lotto)[0]);
    const auto wheel = RandomWheel(dice, Game::Lotto, 6, 28);
    const auto one = RunSimulation(lotto, request, wheel, 300, SimulationCommand::MainBalls, 1);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one.value().steps.size(), 300u);
    for (unsigned threads : {2U, 3U, 7U, kAutoThreads}) {
        ExpectSameRun(RunSimulation(lotto, request, wheel, 300, SimulationCommand::MainBalls, threads), one,
                      std::to_string(threads) + " threads");
    }

    // Stray balls stop steps 6 and 16, which fall to the second and fourth of four parts: the run fails
    // at the first, as a run of one does.
    request.algorithm = std::string(kFortyNineAlgorithm);
    request.GeneratorMode = 1;
    lotto[7].BonusBall = 0;
    lotto[17].BonusBall = 0;
    const auto shared = RunSimulation(lotto, request, {}, 20, SimulationCommand::MainBalls, 4);
    ASSERT_FALSE(shared.has_value());
    EXPECT_TRUE(FailedAtStep(shared, lotto.Size(), 6)) << shared.error().text;
    ExpectSameRun(shared, RunSimulation(lotto, request, {}, 20, SimulationCommand::MainBalls, 1),
                  "stray balls");
}

}  // namespace
}  // namespace quintara
