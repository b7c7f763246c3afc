#include "simulate/Simulation.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <iterator>
#include <limits>
#include <memory>
#include <numeric>
#include <span>
#include <system_error>
#include <thread>

#include "core/Draws.h"
#include "core/TextRules.h"
#include "generate/FortyNineGenerator.h"
#include "generate/GenerateError.h"
#include "generate/WheelLines.h"
#include "simulate/ChanceComparison.h"
#include "simulate/LottoHistoryOfStep.h"
#include "simulate/SimulationStatistics.h"

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
    if (!Info(game).extraStatistics || personalPicks) {
        return {1, count, 0};
    }
    if (command == SimulationCommand::ThunderballBall) {
        return {kThunderballMainPositions + 1, count, kThunderballMainPositions};
    }
    return {1, std::min(count, kThunderballMainPositions), 0};
}

// One step's check of a draw against the final numbers, with its report block.
// The report's wheel pointer lines of a range, made once for a whole run: for each position "\r\n" + label +
// " = ", to which a hit adds "1".
struct PointerLines {
    std::string text;               // every line without a hit
    std::vector<std::size_t> ends;  // [p - first]: where position p's line ends in the text
};

PointerLines PointerLinesOf(const PositionRange& range) {
    PointerLines lines;
    for (int p = range.first; p <= range.last; ++p) {
        lines.text.append(kCrLf).append(std::to_string(p - range.labelShift)).append(" = ");
        lines.ends.push_back(lines.text.size());
    }
    return lines;
}

// Marks in `hit` the positions of the final numbers drawn; the count of them, 7 for six and the bonus
// ball, and the bonus ball beside five in `step`.
int MarkHits(const OneBased<std::int16_t>& finalNumbers, const PositionRange& range, const DrawnBalls& drawn,
             std::vector<char>& hit, SimulatedDraw& step) {
    hit.assign(static_cast<std::size_t>(std::max(range.last, 0)) + 1, 0);
    // Most drawn balls are not among the final numbers: a bit set of those in 0..63 says so at once.
    std::uint64_t compared = 0;
    for (int p = range.first; p <= range.last; ++p) {
        const std::int16_t number = finalNumbers[static_cast<std::size_t>(p)];
        compared |= number >= 0 && number <= 63 ? std::uint64_t{1} << number : 0;
    }
    auto find = [&](std::int16_t ball) {
        if (ball >= 0 && ball <= 63 && (compared >> ball & 1U) == 0) {
            return 0;
        }
        for (int p = range.first; p <= range.last; ++p) {
            if (finalNumbers[static_cast<std::size_t>(p)] == ball) {
                return p;
            }
        }
        return 0;
    };

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
    return m;
}

// The step's block of the report: what was drawn, then the wheel pointers with those drawn marked; the
// pointers marked go to `step`.
void AppendStepBlock(int m, const PositionRange& range, const PointerLines& pointerLines,
                     const std::vector<char>& hit, SimulatedDraw& step, std::string& report) {
    const std::string number = std::to_string(step.drawNumber);
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
    std::size_t written = 0;
    for (int p = range.first; p <= range.last; ++p) {
        if (hit[static_cast<std::size_t>(p)] != 0) {
            const std::size_t end = pointerLines.ends[static_cast<std::size_t>(p - range.first)];
            report.append(pointerLines.text, written, end - written).append("1");
            written = end;
            step.pointers.push_back(p - range.labelShift);
        }
    }
    report.append(pointerLines.text, written);
    report.append(kCrLf).append(kCrLf).append(kBlockStars);
}

SimulatedDraw CheckDraw(const OneBased<std::int16_t>& finalNumbers, const PositionRange& range,
                        const PointerLines& pointerLines, const DrawnBalls& drawn, std::int32_t drawNumber,
                        double drawDate, std::vector<char>& hit, std::string& report) {
    SimulatedDraw step;
    step.drawNumber = drawNumber;
    step.drawDate = drawDate;
    const int m = MarkHits(finalNumbers, range, drawn, hit, step);
    step.strikes = static_cast<std::int16_t>(m);
    if (m >= 1) {
        step.category = step.bonusNumber >= 1 ? kFiveAndBonusCategory : StrikeCategory(m);
    }
    AppendStepBlock(m, range, pointerLines, hit, step, report);
    return step;
}

// What a run of consecutive steps produced: their report blocks, totals and steps; the last step of the
// whole run also leaves its generator run and check.
struct StepsDone {
    std::string blocks;
    std::array<std::int32_t, kStrikeCategories> totals{};
    std::vector<SimulatedDraw> steps;
    GeneratorResult generated;
    OneBased<WinningLineRec> winningLines;
    std::int32_t numbersUsed = 0;
};

// Everything a step reads, shared by the steps of a run, which are independent of one another: each
// starts from the statistics as they stood before its own draw.
template <class Rec>
class Steps {
public:
    static constexpr Game kGame = GameOfRecord<Rec>();

    Steps(const OneBased<Rec>& draws, const GeneratorRequest& request,
          const OneBased<std::string>& wheelLines, std::int32_t n, SimulationCommand command,
          const OneBased<LottoDrawRec>& lottoDraws)
        : m_draws(draws), m_request(request), m_wheelLines(wheelLines), m_n(n), m_command(command) {
        m_request.game = kGame;  // the history decides the game
        m_counted.reserve(draws.Size());
        for (const auto& draw : draws) {
            m_counted.push_back(Counted(draw));
        }
        if constexpr (std::is_same_v<Rec, LottoDrawRec>) {
            m_ownLotto = &draws;
        } else {
            m_otherLotto = &lottoDraws;
        }
        m_fortyNine = MakesFortyNineLines(m_request);
        m_tables = std::make_shared<const HistoryTables>(kGame, m_counted);
    }

    // Steps first..last (1 the newest draw), or the refusal of the first that failed.
    Expected<StepsDone> Run(std::int32_t first, std::int32_t last) const {
        const auto u = static_cast<std::int32_t>(m_draws.Size());
        ShrinkingStatistics statistics(m_tables);
        for (std::int32_t k = 1; k < first; ++k) {
            statistics.RemoveNewest();
        }
        LottoHistoryOfStep lottoHistory(m_otherLotto, m_ownLotto);  // a cursor of this run's own
        StepsDone done;
        done.steps.reserve(static_cast<std::size_t>(last - first) + 1);
        PointerLines pointerLines;  // of the range pointerLinesOf, which every step has in practice
        std::optional<PositionRange> pointerLinesOf;
        std::vector<char> hit;
        std::optional<std::size_t> wheelCheckedFor;  // the count of final numbers the wheel is known to serve
        GeneratorResult& generated = done.generated;
        for (std::int32_t k = first; k <= last; ++k) {
            const auto step = static_cast<std::size_t>(k);
            const Rec& draw = m_draws[step];
            const std::int32_t drawNumber = u + 1 - k;
            statistics.RemoveNewest();
            const OneBased<std::int16_t>* finalNumbers = &generated.FinalNumbers;
            try {
                // Only the last step's lines outlive the run, and a step's report reads only its final
                // numbers; the other steps make sure their lines could be made, so a run fails where a
                // step-by-step generator would, and skip making them.
                const bool needStatistics = !m_request.PersonalPicksActive || k == m_n;
                static const GameStatistics kUnread;
                const GameStatistics& sorted = needStatistics ? statistics.Sorted() : kUnread;
                if (k == m_n) {
                    OneBased<LottoDrawRec> lottoOfStep;
                    if (m_fortyNine) {
                        lottoOfStep = lottoHistory.Suffix(step, draw.DrawDate);
                    }
                    generated = GenerateNumbers(m_request, sorted, m_wheelLines, lottoOfStep);
                } else {
                    finalNumbers = EarlierStepNumbers(
                        sorted, [&] { return lottoHistory.Newest(step, draw.DrawDate); }, generated,
                        wheelCheckedFor);
                }
            } catch (const std::exception& error) {
                return Refuse(SimulationFailure(RefusalCause::StepFailed, drawNumber, error.what()));
            }
            const PositionRange range = ComparedPositions(kGame, m_command, m_request.PersonalPicksActive,
                                                          static_cast<int>(finalNumbers->Size()));
            if (range != pointerLinesOf) {
                pointerLines = PointerLinesOf(range);
                pointerLinesOf = range;
            }
            SimulatedDraw checked = CheckDraw(*finalNumbers, range, pointerLines, Drawn(draw, m_command),
                                              drawNumber, draw.DrawDate, hit, done.blocks);
            Record(std::move(checked), k == m_n, range, done);
            if (k == first) {
                // Every block is about as long as the first: room for all of them, with some to spare.
                done.blocks.reserve(done.blocks.size() * static_cast<std::size_t>(last - first + 1) * 9 / 8);
            }
        }
        return done;
    }

private:
    // The final numbers of a step before the last, having made sure its lines could be made: the wheel's
    // for these numbers, or the forty-nine generator's start on the step's newest Lotto draw, which
    // `newestLotto` finds (only then: it moves the run's cursor).
    template <class NewestLotto>
    const OneBased<std::int16_t>* EarlierStepNumbers(const GameStatistics& sorted, NewestLotto newestLotto,
                                                     GeneratorResult& generated,
                                                     std::optional<std::size_t>& wheelCheckedFor) const {
        const OneBased<std::int16_t>* finalNumbers = &generated.FinalNumbers;
        if (m_request.PersonalPicksActive) {
            finalNumbers = &m_request.PersonalNumbers;
        } else {
            generated.FinalNumbers = ChooseFinalNumbers(kGame, m_request.GeneratorMode, sorted).FinalNumbers;
        }
        if (m_fortyNine) {
            CheckFortyNineStart(newestLotto(), sorted.BallFrequency);
        } else if (wheelCheckedFor != finalNumbers->Size()) {
            // Whether a wheel serves the final numbers depends on their count alone.
            MakeWheelLines(*finalNumbers, m_wheelLines, kGame);
            wheelCheckedFor = finalNumbers->Size();
        }
        return finalNumbers;
    }

    // Counts a checked step in the totals; the last step's also gives the winning line and the count of
    // numbers compared.
    static void Record(SimulatedDraw checked, bool lastStep, const PositionRange& range, StepsDone& done) {
        if (checked.category) {
            ++done.totals[static_cast<std::size_t>(*checked.category)];
        }
        if (lastStep) {
            done.winningLines = OneBased<WinningLineRec>(1);
            if (checked.strikes >= 1) {
                done.winningLines[1] = WinningLineRec{checked.strikes, 1, checked.bonusNumber};
            }
            done.numbersUsed = range.last - range.first + 1;
        }
        done.steps.push_back(std::move(checked));
    }

    const OneBased<Rec>& m_draws;
    GeneratorRequest m_request;
    const OneBased<std::string>& m_wheelLines;
    std::int32_t m_n;
    SimulationCommand m_command;
    std::vector<CountedDraw> m_counted;
    std::shared_ptr<const HistoryTables> m_tables;  // of m_counted, shared by the threads
    const OneBased<LottoDrawRec>* m_otherLotto = nullptr;
    const OneBased<LottoDrawRec>* m_ownLotto = nullptr;
    bool m_fortyNine = false;
};

// Fewer steps than this are not worth a thread of their own.
constexpr std::int32_t kLeastStepsPerThread = 200;

// Runs steps 1..n in `parts` consecutive runs at once, each on a thread of its own but the first, which
// the calling thread does; the runs' results come back in step order.
template <class Rec>
std::vector<Expected<StepsDone>> RunInParts(const Steps<Rec>& steps, std::int32_t n, unsigned parts) {
    std::vector<Expected<StepsDone>> done(parts);
    std::vector<std::exception_ptr> thrown(parts);
    auto part = [&](unsigned i) {
        const std::int32_t first = 1 + static_cast<std::int32_t>(static_cast<std::int64_t>(n) * i / parts);
        const std::int32_t last = static_cast<std::int32_t>(static_cast<std::int64_t>(n) * (i + 1) / parts);
        try {
            done[i] = steps.Run(first, last);
        } catch (...) {
            thrown[i] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(parts - 1);  // so that nothing throws once a thread runs but the starts themselves
    for (unsigned i = 1; i < parts; ++i) {
        try {
            threads.emplace_back(part, i);
        } catch (const std::system_error&) {
            part(i);  // no thread to be had: the calling thread does this part too
        }
    }
    part(0);
    for (auto& thread : threads) {
        thread.join();
    }
    for (const auto& error : thrown) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
    return done;
}

unsigned PartsFor(std::int32_t n, unsigned threads) {
    if (threads == 0) {
        threads = std::max(1U, std::thread::hardware_concurrency());
        threads = std::min(threads, static_cast<unsigned>(std::max(1, n / kLeastStepsPerThread)));
    }
    return std::clamp(threads, 1U, static_cast<unsigned>(n));
}

template <class Rec>
SimulationResult Simulate(const OneBased<Rec>& draws, const GeneratorRequest& request,
                          const OneBased<std::string>& wheelLines, std::int32_t n, SimulationCommand command,
                          const OneBased<LottoDrawRec>& lottoDraws, unsigned threads) {
    constexpr Game game = GameOfRecord<Rec>();
    const auto u = static_cast<std::int32_t>(draws.Size());
    if (n < 1 || n > MaxSimulationDraws(u)) {
        return Refuse(SimulationFailure(
            RefusalCause::OutOfRange, 0,
            "the number of draws must lie between 1 and " + std::to_string(MaxSimulationDraws(u))));
    }
    if (command == SimulationCommand::ThunderballBall && !Info(game).extraStatistics) {
        return Refuse(SimulationFailure(RefusalCause::WrongGame, 0,
                                        "only the Thunderball game has a Thunderball ball to simulate"));
    }
    const Steps<Rec> steps(draws, request, wheelLines, n, command, lottoDraws);
    std::vector<Expected<StepsDone>> parts = RunInParts(steps, n, PartsFor(n, threads));

    SimulationRun run;
    run.draws = n;
    run.steps.reserve(static_cast<std::size_t>(n));
    std::size_t length = 0;
    for (const Expected<StepsDone>& part : parts) {
        if (!part) {
            return Refuse(part.error());  // the run stops at its first failing step
        }
        length += part->blocks.size();
    }
    for (Expected<StepsDone>& done : parts) {
        StepsDone& part = *done;
        for (std::size_t c = 0; c < run.totals.size(); ++c) {
            run.totals[c] += part.totals[c];
        }
        std::move(part.steps.begin(), part.steps.end(), std::back_inserter(run.steps));
    }
    StepsDone& last = *parts.back();
    run.FinalNumbers = std::move(last.generated.FinalNumbers);
    run.SevenNumbers = std::move(last.generated.SevenNumbers);
    run.PickedLines = std::move(last.generated.PickedLines);
    run.DailyPlayPickedLines = std::move(last.generated.DailyPlayPickedLines);
    run.LinesGeneratedDate = last.generated.LinesGeneratedDate;
    run.WinningLines = std::move(last.winningLines);
    run.numbersUsed = std::max(last.numbersUsed, 0);
    const std::string totals = SimulationTotalsText(n, run.numbersUsed, run.totals, command);
    run.ReportText.reserve(totals.size() + length);
    run.ReportText = totals;
    for (const Expected<StepsDone>& part : parts) {
        run.ReportText += part->blocks;
    }
    run.baseline = ExpectedByChance(game, command, run.numbersUsed, n);
    return run;
}

}  // namespace

SimulationResult RunSimulation(const OneBased<LottoDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, unsigned threads) {
    return Simulate(draws, request, wheelLines, n, command, draws, threads);
}

SimulationResult RunSimulation(const OneBased<LottoExtraDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, const OneBased<LottoDrawRec>& lottoDraws,
                               unsigned threads) {
    return Simulate(draws, request, wheelLines, n, command, lottoDraws, threads);
}

SimulationResult RunSimulation(const OneBased<ThunderballDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, unsigned threads) {
    return Simulate(draws, request, wheelLines, n, command, OneBased<LottoDrawRec>{}, threads);
}

SimulationResult RunSimulation(const OneBased<DailyPlayDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, unsigned threads) {
    return Simulate(draws, request, wheelLines, n, command, OneBased<LottoDrawRec>{}, threads);
}

SimulationResult RunSimulation(DrawsView draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, const OneBased<LottoDrawRec>& lottoDraws,
                               unsigned threads) {
    return std::visit(
        [&](const auto& held) {
            return Simulate(held.get(), request, wheelLines, n, command, lottoDraws, threads);
        },
        draws);
}

std::int32_t MaxSimulationDraws(std::int32_t drawCount) {
    return std::min(drawCount - kHistoryMargin, kMostDraws);
}

Refusal SimulationFailure(RefusalCause cause, std::int32_t drawNumber, std::string_view reason) {
    std::string text = "Unable to simulate";
    if (drawNumber > 0) {
        text += " draw number " + std::to_string(drawNumber);
    }
    text += ": ";
    text += reason;
    return Refusal{.title = "Simulation Stopped",
                   .text = std::move(text),
                   .icon = RefusalIcon::Exclamation,
                   .cause = cause,
                   .detail = std::string(reason)};
}

Checked EnoughDrawsToSimulate(Game game, std::int32_t drawCount) {
    if (MaxSimulationDraws(drawCount) >= 1) {
        return {};
    }
    const std::int32_t margin = drawCount - MaxSimulationDraws(drawCount);
    return Refuse({.title = "Not Enough Draws",
                   .text = "Simulate needs more than " + std::to_string(margin) +
                           " draws: each simulated draw is "
                           "chosen from at least the " +
                           std::to_string(margin) + " draws before it.\r\nThe " + GameName(game) +
                           " history holds " + std::to_string(drawCount) +
                           (drawCount == 1 ? " draw." : " draws."),
                   .icon = RefusalIcon::Exclamation,
                   .cause = RefusalCause::Missing});
}

Expected<std::int16_t> CheckNumberOfDraws(std::string_view text, std::int32_t drawCount) {
    const std::string most = std::to_string(MaxSimulationDraws(drawCount));
    // The box is emptied whatever is wrong; the focus returns to it only for a number out of range.
    const auto refuse = [](std::string message, bool focus) {
        return Refuse({.title = "Incorrect Value",
                       .text = std::move(message),
                       .box = focus ? 1 : 0,
                       .emptyBox = true,
                       .cause = focus ? RefusalCause::OutOfRange : RefusalCause::NotANumber});
    };
    if (!IsNumeric(text)) {
        return refuse("Please enter a Numeric Value between 1 and " + most, false);
    }
    // A numeric text too large for a double is far beyond either bound, on the side of its sign.
    const auto value = NumericValue(text);
    const bool negative = Trim(text).starts_with('-');
    if (value ? *value > MaxSimulationDraws(drawCount) : !negative) {
        return refuse("Sorry, the Value you entered is too high. Please select a Value between 1 and " + most,
                      true);
    }
    if (!value || *value < 1) {
        return refuse("Please enter a Value between 1 and " + most, true);
    }
    return static_cast<std::int16_t>(std::nearbyint(*value));
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
