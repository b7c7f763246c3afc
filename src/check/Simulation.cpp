#include "check/Simulation.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numeric>
#include <span>

#include "check/SimulationStatistics.h"
#include "core/Draws.h"
#include "core/TextRules.h"
#include "generate/FortyNineGenerator.h"
#include "generate/GenerateError.h"
#include "generate/WheelLines.h"

namespace quintara {

namespace {

constexpr std::int32_t kHistoryMargin = 100;
constexpr std::int32_t kMostDraws = 32767;  // N is a 16-bit Integer
constexpr std::string_view kTotalsStars = "************************************";
constexpr std::string_view kBlockStars = "*******************************";
constexpr int kThunderballMainPositions = 20;

// The balls of a draw a command compares, in the order they are compared.
struct DrawnBalls {
    std::array<std::int16_t, 7> balls{};
    int count = 0;
    std::optional<std::int16_t> bonus;  // Lotto's bonus ball, compared last
};

DrawnBalls Drawn(const LottoDrawRec& draw, SimulationCommand) {
    DrawnBalls drawn;
    std::copy(draw.Balls.begin(), draw.Balls.end(), drawn.balls.begin());
    drawn.count = 6;
    drawn.bonus = draw.BonusBall;
    return drawn;
}

DrawnBalls Drawn(const LottoExtraDrawRec& draw, SimulationCommand) {
    DrawnBalls drawn;
    std::copy(draw.Balls.begin(), draw.Balls.end(), drawn.balls.begin());
    drawn.count = 6;
    return drawn;
}

DrawnBalls Drawn(const ThunderballDrawRec& draw, SimulationCommand command) {
    DrawnBalls drawn;
    if (command == SimulationCommand::ThunderballBall) {
        drawn.balls[0] = draw.Thunderball;
        drawn.count = 1;
    } else {
        std::copy(draw.Balls.begin(), draw.Balls.end(), drawn.balls.begin());
        drawn.count = 5;
    }
    return drawn;
}

DrawnBalls Drawn(const DailyPlayDrawRec& draw, SimulationCommand) {
    DrawnBalls drawn;
    std::copy(draw.Balls.begin(), draw.Balls.end(), drawn.balls.begin());
    drawn.count = 7;
    return drawn;
}

// The positions of the final numbers a command compares and lists, and how their labels are shifted.
struct PositionRange {
    int first = 1;
    int last = 0;
    int labelShift = 0;
    bool operator==(const PositionRange&) const = default;
};

PositionRange ComparedPositions(Game game, SimulationCommand command, bool personalPicks, int count) {
    if (game != Game::Thunderball || personalPicks) {
        return {1, count, 0};
    }
    if (command == SimulationCommand::ThunderballBall) {
        return {kThunderballMainPositions + 1, count, kThunderballMainPositions};
    }
    return {1, std::min(count, kThunderballMainPositions), 0};
}

// One step's check of a draw against the final numbers, with its report block.
// The report's wheel pointer lines of a range, made once for a whole run: [p - first] is "\r\n" + label +
// " = ", to which a hit adds "1".
std::vector<std::string> PointerLines(const PositionRange& range) {
    std::vector<std::string> lines;
    for (int p = range.first; p <= range.last; ++p) {
        lines.push_back(std::string(kCrLf) + std::to_string(p - range.labelShift) + " = ");
    }
    return lines;
}

SimulatedDraw CheckDraw(const OneBased<std::int16_t>& finalNumbers, const PositionRange& range,
                        const std::vector<std::string>& pointerLines, const DrawnBalls& drawn,
                        std::int32_t drawNumber, double drawDate, std::vector<char>& hit, std::string& report) {
    hit.assign(static_cast<std::size_t>(std::max(range.last, 0)) + 1, 0);
    auto find = [&](std::int16_t ball) {
        for (int p = range.first; p <= range.last; ++p) {
            if (finalNumbers[static_cast<std::size_t>(p)] == ball) {
                return p;
            }
        }
        return 0;
    };

    SimulatedDraw step;
    step.drawNumber = drawNumber;
    step.drawDate = drawDate;
    int m = 0;
    for (int i = 0; i < drawn.count; ++i) {
        if (const int p = find(drawn.balls[static_cast<std::size_t>(i)]); p != 0) {
            hit[static_cast<std::size_t>(p)] = 1;
            ++m;
        }
    }
    if (drawn.bonus) {
        if (const int p = find(*drawn.bonus); p != 0) {
            if (m == 5) {
                step.bonusNumber = *drawn.bonus;
            } else if (m == 6) {
                hit[static_cast<std::size_t>(p)] = 1;
                m = 7;
            }
        }
    }
    step.strikes = static_cast<std::int16_t>(m);
    if (m >= 1) {
        step.category = step.bonusNumber >= 1 ? kFiveAndBonusCategory : StrikeCategory(m);
    }

    const std::string number = std::to_string(drawNumber);
    if (m == 0) {
        report.append(kCrLf).append("Draw Number: ").append(number);
        report.append("  - Sorry, none of the Selected Numbers were Drawn this time!").append(kCrLf);
    } else {
        report.append(kCrLf).append(kCrLf).append("Draw Number: ").append(number).append(kCrLf).append(kCrLf);
        if (step.bonusNumber > 0) {
            report.append("5 Numbers and Bonus Ball Drawn:");
        } else if (m == 1) {
            report.append("1 Number Drawn:");
        } else {
            report.append(std::to_string(m)).append(" Numbers Drawn:");
        }
        report.append(kCrLf);
    }
    report.append(kCrLf).append("Wheel Pointers:").append(kCrLf);
    for (int p = range.first; p <= range.last; ++p) {
        report.append(pointerLines[static_cast<std::size_t>(p - range.first)]);
        if (hit[static_cast<std::size_t>(p)] != 0) {
            report.append("1");
            step.pointers.push_back(p - range.labelShift);
        }
    }
    report.append(kCrLf).append(kCrLf).append(kBlockStars);
    return step;
}

// The Lotto draws a step's forty-nine number generator starts from: in Lotto the step's own history; in
// another game the Lotto draws dated before the step's draw.
struct LottoHistoryOfStep {
    const OneBased<LottoDrawRec>* lotto = nullptr;  // Lotto history of another game, else nullptr
    const OneBased<LottoDrawRec>* own = nullptr;    // the game's draws when the game is Lotto

    std::size_t First(std::size_t step, double drawDate) const {
        if (own != nullptr) {
            return step + 1;
        }
        std::size_t first = 1;
        while (first <= lotto->Size() && !((*lotto)[first].DrawDate < drawDate)) {
            ++first;
        }
        return first;
    }
    const OneBased<LottoDrawRec>& Draws() const { return own != nullptr ? *own : *lotto; }

    const LottoDrawRec* Newest(std::size_t step, double drawDate) const {
        const std::size_t first = First(step, drawDate);
        return first <= Draws().Size() ? &Draws()[first] : nullptr;
    }
    OneBased<LottoDrawRec> Suffix(std::size_t step, double drawDate) const {
        OneBased<LottoDrawRec> suffix;
        const auto& draws = Draws();
        suffix.Reserve(draws.Size());
        for (std::size_t i = First(step, drawDate); i <= draws.Size(); ++i) {
            suffix.PushBack(draws[i]);
        }
        return suffix;
    }
};

template <class Rec>
SimulationResult Simulate(const OneBased<Rec>& draws, const GeneratorRequest& givenRequest,
                          const OneBased<std::string>& wheelLines, std::int32_t n, SimulationCommand command,
                          const OneBased<LottoDrawRec>& lottoDraws) {
    constexpr Game game = GameOfRecord<Rec>();
    const auto u = static_cast<std::int32_t>(draws.Size());
    if (n < 1 || n > MaxSimulationDraws(u)) {
        return SimulationError{
            SimulationError::Kind::DrawsOutOfRange, 0, 0,
            "the number of draws must lie between 1 and " + std::to_string(MaxSimulationDraws(u))};
    }
    if (command == SimulationCommand::ThunderballBall && game != Game::Thunderball) {
        return SimulationError{SimulationError::Kind::NotThunderballGame, 0, 0,
                               "only the Thunderball game has a Thunderball ball to simulate"};
    }
    GeneratorRequest request = givenRequest;
    request.game = game;  // the history decides the game

    std::vector<CountedDraw> counted;
    counted.reserve(draws.Size());
    for (const auto& draw : draws) {
        counted.push_back(Counted(draw));
    }
    ShrinkingStatistics statistics(game, counted);
    LottoHistoryOfStep lottoHistory;
    if constexpr (game == Game::Lotto) {
        lottoHistory.own = &draws;
    } else {
        lottoHistory.lotto = &lottoDraws;
    }
    const bool fortyNine = MakesFortyNineLines(request);

    SimulationRun run;
    run.draws = n;
    run.steps.reserve(static_cast<std::size_t>(n));
    std::string blocks;
    std::vector<std::string> pointerLines;  // of the range pointerLinesOf, which every step has in practice
    std::optional<PositionRange> pointerLinesOf;
    std::vector<char> hit;
    std::optional<std::size_t> wheelCheckedFor;  // the count of final numbers the wheel is known to serve
    GeneratorResult generated;
    for (std::int32_t k = 1; k <= n; ++k) {
        const auto step = static_cast<std::size_t>(k);
        const Rec& draw = draws[step];
        const std::int32_t drawNumber = u + 1 - k;
        statistics.RemoveNewest();
        const OneBased<std::int16_t>* finalNumbers = &generated.FinalNumbers;
        try {
            // Only the last step's lines outlive the run, and a step's report reads only its final
            // numbers; the other steps make sure their lines could be made, so a run fails where a
            // step-by-step generator would, and skip making them.
            const bool needStatistics = !request.PersonalPicksActive || k == n;
            static const GameStatistics kUnread;
            const GameStatistics& sorted = needStatistics ? statistics.Sorted() : kUnread;
            if (k == n) {
                OneBased<LottoDrawRec> lottoOfStep;
                if (fortyNine) {
                    lottoOfStep = lottoHistory.Suffix(step, draw.DrawDate);
                }
                generated = GenerateNumbers(request, sorted, wheelLines, lottoOfStep);
            } else {
                if (request.PersonalPicksActive) {
                    finalNumbers = &request.PersonalNumbers;
                } else {
                    generated.FinalNumbers =
                        ChooseFinalNumbers(game, request.GeneratorMode, sorted).FinalNumbers;
                }
                if (fortyNine) {
                    CheckFortyNineStart(lottoHistory.Newest(step, draw.DrawDate), sorted.BallFrequency);
                } else if (wheelCheckedFor != finalNumbers->Size()) {
                    MakeWheelLines(*finalNumbers, wheelLines, game);
                    wheelCheckedFor = finalNumbers->Size();
                }
            }
        } catch (const std::exception& error) {
            return SimulationError{SimulationError::Kind::StepFailed, k, drawNumber, error.what()};
        }
        const PositionRange range = ComparedPositions(game, command, request.PersonalPicksActive,
                                                      static_cast<int>(finalNumbers->Size()));
        if (range != pointerLinesOf) {
            pointerLines = PointerLines(range);
            pointerLinesOf = range;
        }
        SimulatedDraw checked = CheckDraw(*finalNumbers, range, pointerLines, Drawn(draw, command), drawNumber,
                                          draw.DrawDate, hit, blocks);
        if (checked.category) {
            ++run.totals[static_cast<std::size_t>(*checked.category)];
        }
        if (k == n) {
            run.WinningLines = OneBased<WinningLineRec>(1);
            if (checked.strikes >= 1) {
                run.WinningLines[1] = WinningLineRec{checked.strikes, 1, checked.bonusNumber};
            }
            run.numbersUsed = range.last - range.first + 1;
        }
        run.steps.push_back(std::move(checked));
        if (k == 1) {
            // Every block is about as long as the first: room for all of them, with some to spare.
            blocks.reserve(blocks.size() * static_cast<std::size_t>(n) * 9 / 8);
        }
    }

    run.FinalNumbers = std::move(generated.FinalNumbers);
    run.SevenNumbers = std::move(generated.SevenNumbers);
    run.PickedLines = std::move(generated.PickedLines);
    run.DailyPlayPickedLines = std::move(generated.DailyPlayPickedLines);
    run.LinesGeneratedDate = generated.LinesGeneratedDate;
    run.numbersUsed = std::max(run.numbersUsed, 0);
    run.ReportText = SimulationTotalsText(n, run.numbersUsed, run.totals, command);
    run.ReportText += blocks;
    run.baseline = ExpectedByChance(game, command, run.numbersUsed, n);
    return run;
}

std::uint64_t Binomial(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    k = std::min(k, n - k);
    std::uint64_t result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    }
    return result;
}

// n draws times ways / all, reduced.
Fraction Expected(std::uint64_t ways, std::uint64_t all, std::int32_t draws) {
    if (ways == 0) {
        return Fraction{0, 1};
    }
    const std::uint64_t g = std::gcd(ways, all);
    ways /= g;
    all /= g;
    const auto n = static_cast<std::uint64_t>(draws);
    const std::uint64_t h = std::gcd(n, all);
    return Fraction{ways * (n / h), all / h};
}

}  // namespace

SimulationResult RunSimulation(const OneBased<LottoDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command) {
    return Simulate(draws, request, wheelLines, n, command, draws);
}

SimulationResult RunSimulation(const OneBased<LottoExtraDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, const OneBased<LottoDrawRec>& lottoDraws) {
    return Simulate(draws, request, wheelLines, n, command, lottoDraws);
}

SimulationResult RunSimulation(const OneBased<ThunderballDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command) {
    return Simulate(draws, request, wheelLines, n, command, OneBased<LottoDrawRec>{});
}

SimulationResult RunSimulation(const OneBased<DailyPlayDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command) {
    return Simulate(draws, request, wheelLines, n, command, OneBased<LottoDrawRec>{});
}

SimulationResult RunSimulation(const AppState& state, const GeneratorRequest& request, std::int32_t n,
                               SimulationCommand command) {
    return WithDrawRecord(request.game, [&]<class Rec>(RecordTag<Rec>) {
        return Simulate(state.Draws<Rec>(), request, state.WheelLines, n, command, state.LottoDraws);
    });
}

std::int32_t MaxSimulationDraws(std::int32_t drawCount) {
    return std::min(drawCount - kHistoryMargin, kMostDraws);
}

DrawsCheck CheckNumberOfDraws(std::string_view text, std::int32_t drawCount) {
    const std::string most = std::to_string(MaxSimulationDraws(drawCount));
    const std::string title = "Incorrect Value";
    if (!IsNumeric(text)) {
        return DrawsRefusal{title, "Please enter a Numeric Value between 1 and " + most, false};
    }
    // A numeric text too large for a double is far beyond either bound, on the side of its sign.
    const auto value = NumericValue(text);
    const bool negative = Trim(text).starts_with('-');
    if (value ? *value > MaxSimulationDraws(drawCount) : !negative) {
        return DrawsRefusal{
            title, "Sorry, the Value you entered is too high. Please select a Value between 1 and " + most,
            true};
    }
    if (!value || *value < 1) {
        return DrawsRefusal{title, "Please enter a Value between 1 and " + most, true};
    }
    return static_cast<std::int16_t>(std::nearbyint(*value));
}

ChanceBaseline ExpectedByChance(Game game, SimulationCommand command, int numbersCompared,
                                std::int32_t draws) {
    ChanceBaseline baseline;
    const bool thunderballBall = command == SimulationCommand::ThunderballBall;
    baseline.range = thunderballBall ? Info(game).extraMax : Info(game).maxBall;
    const int range = baseline.range;
    const int k = std::clamp(numbersCompared, 0, range);
    baseline.numbersChosen = k;
    const int drawnCount = thunderballBall ? 1 : Info(game).mainBalls;
    const int bonusCount = game == Game::Lotto && !thunderballBall ? 1 : 0;
    const int others = range - drawnCount - bonusCount;
    const std::uint64_t all = Binomial(range, k);
    std::array<std::uint64_t, kStrikeCategories> ways{};
    for (int m = 1; m <= drawnCount; ++m) {
        for (int b = 0; b <= bonusCount; ++b) {
            const std::uint64_t w =
                Binomial(drawnCount, m) * Binomial(bonusCount, b) * Binomial(others, k - m - b);
            int category = StrikeCategory(m);
            if (b == 1 && m == 5) {
                category = kFiveAndBonusCategory;
            } else if (b == 1 && m == 6) {
                category = StrikeCategory(7);
            }
            ways[static_cast<std::size_t>(category)] += w;
        }
    }
    for (std::size_t c = 0; c < ways.size(); ++c) {
        baseline.expected[c] = Expected(ways[c], all, draws);
    }
    return baseline;
}

std::string SimulationTotalsText(std::int32_t draws, std::int32_t numbersUsed,
                                 const std::array<std::int32_t, kStrikeCategories>& totals,
                                 SimulationCommand command) {
    static constexpr std::array<std::string_view, kStrikeCategories> kLabels{
        "  x 1 Number",  "  x 2 Numbers", "  x 3 Numbers",
        "  x 4 Numbers", "  x 5 Numbers", "  x 5 Numbers and Bonus Ball",
        "  x 6 Numbers", "  x 7 Numbers"};
    std::string text = "Total Strikes from " + std::to_string(draws) + " Draws using all " +
                       std::to_string(numbersUsed) + " Numbers:";
    text.append(kCrLf).append(kCrLf);
    const bool anyWin = std::any_of(totals.begin(), totals.end(), [](std::int32_t c) { return c != 0; });
    if (!anyWin) {
        text.append("Sorry, there were no wins at all!").append(kCrLf);
    } else if (command == SimulationCommand::ThunderballBall) {
        text.append(std::to_string(totals[0])).append(kLabels[0]).append(kCrLf);
    } else {
        for (std::size_t c = 0; c < totals.size(); ++c) {
            text.append(std::to_string(totals[c])).append(kLabels[c]).append(kCrLf);
        }
    }
    text.append(kCrLf).append(kTotalsStars).append(kCrLf);
    return text;
}

}  // namespace quintara
