#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Draws.h"
#include "core/History.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"
#include "generate/Generator.h"
#include "simulate/Simulation.h"

namespace quintara::test {

// The simulation done the slow way, step by step as the program's design describes it: before each draw
// the history is read afresh without the newer draws, every ball is recounted by a walk over the whole
// history, the generator makes its final numbers and all its lines, and the draw is checked with hit flags
// and counters. The fast run must give the same report, totals and last-step state, and fail alike.
template <class Rec>
class LiteralSimulation {
public:
    LiteralSimulation(const OneBased<Rec>& history, const GeneratorRequest& request,
                      const OneBased<std::string>& wheelLines, SimulationCommand command,
                      const OneBased<LottoDrawRec>& lottoHistory)
        : m_saved(history),
          m_request(request),
          m_wheel(wheelLines),
          m_command(command),
          m_lotto(lottoHistory) {
        m_request.game = kGame;
    }

    SimulationResult Run(std::int32_t n) {
        const auto u = static_cast<std::int32_t>(m_saved.Size());
        if (n < 1 || n > MaxSimulationDraws(u)) {
            return Refuse(SimulationFailure(
                RefusalCause::OutOfRange, 0,
                "the number of draws must lie between 1 and " + std::to_string(MaxSimulationDraws(u))));
        }
        if (m_command == SimulationCommand::ThunderballBall && kGame != Game::Thunderball) {
            return Refuse(SimulationFailure(RefusalCause::WrongGame, 0,
                                            "only the Thunderball game has a Thunderball ball to simulate"));
        }
        SimulationRun run;
        run.draws = n;
        m_index = 0;
        for (std::int32_t k = 1; k <= n; ++k) {
            LoadHistoryBefore(k);
            try {
                GeneratorResult result = GenerateNumbers(m_request, m_stats, m_wheel, LottoDrawsOfStep(k));
                run.FinalNumbers = std::move(result.FinalNumbers);
                run.SevenNumbers = std::move(result.SevenNumbers);
                run.PickedLines = std::move(result.PickedLines);
                run.DailyPlayPickedLines = std::move(result.DailyPlayPickedLines);
                run.LinesGeneratedDate = result.LinesGeneratedDate;
            } catch (const std::exception& error) {
                return Refuse(SimulationFailure(RefusalCause::StepFailed, u + 1 - k, error.what()));
            }
            ReportSimulatedFinalNumbers(run, u + 1 - k);
        }
        const auto c = static_cast<std::int32_t>(run.FinalNumbers.Size());
        run.numbersUsed = c;
        if (kGame == Game::Thunderball && !m_request.PersonalPicksActive) {
            run.numbersUsed = m_command == SimulationCommand::ThunderballBall ? c - 20 : c - 8;
        }
        run.totals = m_totals;
        run.ReportText = TotalsText(n, run.numbersUsed) + m_report;
        return run;
    }

private:
    static constexpr Game kGame = GameOfRecord<Rec>();

    // Whether a draw's main balls, as the statistics count them, hold `ball`.
    static bool HoldsBall(const Rec& draw, int ball) {
        for (int value : draw.Balls) {
            if (value == ball) {
                return true;
            }
        }
        if constexpr (std::is_same_v<Rec, LottoDrawRec>) {
            return draw.BonusBall == ball;
        }
        return false;
    }

    // One table counted ball by ball, each ball by a walk from the oldest draw to the newest.
    template <class Holds>
    static void Count(const OneBased<Rec>& draws, int n, Holds holds, OneBased<FrequencyRec>& frequency,
                      OneBased<LastDrawnRec>& lastDrawn) {
        frequency = OneBased<FrequencyRec>(static_cast<std::size_t>(n));
        lastDrawn = OneBased<LastDrawnRec>(static_cast<std::size_t>(n));
        for (int ball = 1; ball <= n; ++ball) {
            const auto b = static_cast<std::size_t>(ball);
            lastDrawn[b] = LastDrawnRec{0.0, static_cast<std::int16_t>(ball)};
            std::int32_t count = 0;
            for (std::size_t d = draws.Size(); d >= 1; --d) {
                if (holds(draws[d], ball)) {
                    lastDrawn[b] = LastDrawnRec{draws[d].DrawDate, static_cast<std::int16_t>(ball)};
                    ++count;
                }
            }
            frequency[b] = FrequencyRec{static_cast<std::int16_t>(ball), count};
        }
        SortFrequencies(frequency);
        SortLastDrawn(lastDrawn);
    }

    void LoadHistoryBefore(std::int32_t k) {
        m_draws.Clear();
        // Read afresh from the history file when there is one, as the program's design does; the records
        // are then the file's, which the caller made from the same history.
        const OneBased<Rec>& records = m_historyDir ? m_reread : m_saved;
        if (m_historyDir) {
            m_reread = ReadHistory<Rec>(*m_historyDir, false).value();
        }
        for (std::size_t r = 1; r <= records.Size(); ++r) {
            if (r > static_cast<std::size_t>(k)) {
                m_draws.PushBack(records[r]);
            }
        }
        m_stats = GameStatistics{};
        if constexpr (kGame == Game::Thunderball) {
            Count(
                m_draws, Info(kGame).extraMax,
                [](const Rec& draw, int ball) { return draw.Thunderball == ball; },
                m_stats.ThunderballFrequency, m_stats.ThunderballLastDrawn);
        }
        Count(m_draws, Info(kGame).maxBall, HoldsBall, m_stats.BallFrequency, m_stats.BallLastDrawn);
    }

    const OneBased<LottoDrawRec>& LottoDrawsOfStep(std::int32_t k) {
        if constexpr (kGame == Game::Lotto) {
            return m_draws;
        } else {
            const double date = m_saved[static_cast<std::size_t>(k)].DrawDate;
            m_lottoBefore.Clear();
            bool reached = false;
            for (const auto& draw : m_lotto) {
                reached = reached || draw.DrawDate < date;
                if (reached) {
                    m_lottoBefore.PushBack(draw);
                }
            }
            return m_lottoBefore;
        }
    }

    void ReportSimulatedFinalNumbers(SimulationRun& run, std::int32_t drawNumber) {
        const auto& finalNumbers = run.FinalNumbers;
        const int c = static_cast<int>(finalNumbers.Size());
        run.WinningLines = OneBased<WinningLineRec>(1);
        std::vector<int> hits(static_cast<std::size_t>(c) + 1, 0);
        std::int16_t m = 0;
        std::int16_t bonus = 0;
        ++m_index;
        const Rec& draw = m_saved[static_cast<std::size_t>(m_index)];

        int first = 1;
        int last = c;
        std::vector<int> balls(draw.Balls.begin(), draw.Balls.end());
        if constexpr (kGame == Game::Thunderball) {
            if (!m_request.PersonalPicksActive) {
                if (m_command == SimulationCommand::ThunderballBall) {
                    first = 21;
                } else {
                    last = 20;
                }
            }
            if (m_command == SimulationCommand::ThunderballBall) {
                balls = {draw.Thunderball};
            }
        }
        for (int ball : balls) {
            for (int i = first; i <= last; ++i) {
                if (finalNumbers[static_cast<std::size_t>(i)] == ball) {
                    hits[static_cast<std::size_t>(i)] = 1;
                    ++m;
                    break;
                }
            }
        }
        if constexpr (kGame == Game::Lotto) {
            for (int i = first; i <= last; ++i) {
                if (finalNumbers[static_cast<std::size_t>(i)] == draw.BonusBall) {
                    if (m == 5) {
                        bonus = draw.BonusBall;
                    } else if (m == 6) {
                        hits[static_cast<std::size_t>(i)] = 1;
                        m = 7;
                    }
                    break;
                }
            }
        }
        if (m >= 1) {
            run.WinningLines[1] = WinningLineRec{m, 1, bonus};
            if (run.WinningLines[1].BonusNumber >= 1) {
                ++m_totals[5];
            } else {
                ++m_totals[static_cast<std::size_t>(m <= 5 ? m - 1 : m)];
            }
        }

        const std::string crlf = "\r\n";
        if (m == 0) {
            m_report += crlf + "Draw Number: " + std::to_string(drawNumber) +
                        "  - Sorry, none of the Selected Numbers were Drawn this time!" + crlf;
        } else if (bonus > 0) {
            m_report += crlf + crlf + "Draw Number: " + std::to_string(drawNumber) + crlf + crlf +
                        "5 Numbers and Bonus Ball Drawn:" + crlf;
        } else {
            m_report += crlf + crlf + "Draw Number: " + std::to_string(drawNumber) + crlf + crlf +
                        std::to_string(m) + (m == 1 ? " Number" : " Numbers") + " Drawn:" + crlf;
        }
        m_report += crlf + "Wheel Pointers:" + crlf;
        for (int p = first; p <= last; ++p) {
            const int label = first == 21 ? p - 20 : p;
            m_report += crlf + std::to_string(label) + " = " + (hits[static_cast<std::size_t>(p)] ? "1" : "");
        }
        m_report += crlf + crlf + std::string(31, '*');
    }

    std::string TotalsText(std::int32_t n, std::int32_t numbersUsed) const {
        const std::string crlf = "\r\n";
        std::string text = "Total Strikes from " + std::to_string(n) + " Draws using all " +
                           std::to_string(numbersUsed) + " Numbers:" + crlf + crlf;
        if (std::all_of(m_totals.begin(), m_totals.end(), [](std::int32_t count) { return count == 0; })) {
            text += "Sorry, there were no wins at all!" + crlf;
        } else {
            const char* labels[] = {"1 Number",  "2 Numbers", "3 Numbers",
                                    "4 Numbers", "5 Numbers", "5 Numbers and Bonus Ball",
                                    "6 Numbers", "7 Numbers"};
            const std::size_t shown = m_command == SimulationCommand::ThunderballBall ? 1 : 8;
            for (std::size_t c = 0; c < shown; ++c) {
                text += std::to_string(m_totals[c]) + "  x " + labels[c] + crlf;
            }
        }
        return text + crlf + std::string(36, '*') + crlf;
    }

public:
    // Makes every step read the history file of `appDir` instead of copying the history in memory.
    void RereadFrom(std::filesystem::path appDir) { m_historyDir = std::move(appDir); }

private:
    OneBased<Rec> m_saved;
    std::optional<std::filesystem::path> m_historyDir;
    OneBased<Rec> m_reread;
    GeneratorRequest m_request;
    OneBased<std::string> m_wheel;
    SimulationCommand m_command;
    OneBased<LottoDrawRec> m_lotto;
    OneBased<LottoDrawRec> m_lottoBefore;
    OneBased<Rec> m_draws;
    GameStatistics m_stats;
    std::int32_t m_index = 0;
    std::array<std::int32_t, kStrikeCategories> m_totals{};
    std::string m_report;
};

// One literal run; `lottoHistory` matters only for "49 Numbers from 49" outside Lotto.
template <class Rec>
SimulationResult RunLiteralSimulation(const OneBased<Rec>& history, const GeneratorRequest& request,
                                      const OneBased<std::string>& wheelLines, std::int32_t n,
                                      SimulationCommand command,
                                      const OneBased<LottoDrawRec>& lottoHistory = OneBased<LottoDrawRec>{}) {
    return LiteralSimulation<Rec>(history, request, wheelLines, command, lottoHistory).Run(n);
}

// The same with every step reading the game's history file in `appDir`, which must hold `history`.
template <class Rec>
SimulationResult RunLiteralSimulationRereading(const std::filesystem::path& appDir,
                                               const OneBased<Rec>& history, const GeneratorRequest& request,
                                               const OneBased<std::string>& wheelLines, std::int32_t n,
                                               SimulationCommand command) {
    LiteralSimulation<Rec> literal(history, request, wheelLines, command, OneBased<LottoDrawRec>{});
    literal.RereadFrom(appDir);
    return literal.Run(n);
}

}  // namespace quintara::test
