#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Draws.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Refusal.h"
#include "generate/Generator.h"

namespace quintara {

// Which numbers a simulation compares: "Simulate Numbers" or "Simulate Thunderball Numbers".
enum class SimulationCommand { MainBalls, ThunderballBall };

// The strike categories of the totals, in report order: 1, 2, 3, 4, 5, 5 and Bonus Ball, 6, 7.
inline constexpr int kStrikeCategories = 8;
inline constexpr int kFiveAndBonusCategory = 5;  // index into the totals
// The totals index of m strikes without the bonus marker.
constexpr int StrikeCategory(int strikes) {
    return strikes <= 5 ? strikes - 1 : strikes;
}

// One step of a run: the draw checked and what it held of the chosen numbers.
struct SimulatedDraw {
    std::int32_t drawNumber = 0;
    double drawDate = 0;
    std::int16_t strikes = 0;      // chosen numbers the draw held (Lotto: 7 = six and the bonus ball)
    std::int16_t bonusNumber = 0;  // Lotto: the bonus ball when five numbers and the bonus were drawn
    std::vector<int> pointers;     // the positions drawn, as the report labels them
    // The totals index this step added to, or nothing when the draw held no chosen number.
    std::optional<int> category;
    bool operator==(const SimulatedDraw&) const = default;
};

// An exact fraction; chance expectations are kept as these and shown as decimals.
struct Fraction {
    std::uint64_t numerator = 0;
    std::uint64_t denominator = 1;
    long double Value() const {
        return static_cast<long double>(numerator) / static_cast<long double>(denominator);
    }
    bool operator==(const Fraction&) const = default;
};

// What luck alone would have done: per strike category, the number of draws expected to fall in it had the
// same count of numbers been chosen at random from the range compared.
struct ChanceBaseline {
    int numbersChosen = 0;  // the random choice's size (the numbers compared, at most the range)
    int range = 0;          // 49, 34, 27, or 14 for the Thunderball ball
    std::array<Fraction, kStrikeCategories> expected{};
    bool operator==(const ChanceBaseline&) const = default;
};

// A finished run: the report and its figures, and the state its last step leaves behind.
struct SimulationRun {
    std::string ReportText;  // the totals, then one block per draw, CR LF line ends
    std::int32_t draws = 0;
    std::int32_t numbersUsed = 0;  // the count the totals' first line names
    std::array<std::int32_t, kStrikeCategories> totals{};
    std::vector<SimulatedDraw> steps;  // newest draw first
    ChanceBaseline baseline;

    // The last step's generator run and check, which the program keeps after the run.
    OneBased<std::int16_t> FinalNumbers;
    std::optional<OneBased<std::int16_t>> SevenNumbers;
    OneBased<LottoDrawRec> PickedLines;
    OneBased<DailyPlayDrawRec> DailyPlayPickedLines;
    double LinesGeneratedDate = 0;
    OneBased<WinningLineRec> WinningLines;  // entry 1 names line 1 when the last draw held a chosen number
};

// Why a run did not finish, as the program says it: "Unable to simulate draw number N: " and what
// failed, under "Simulation Stopped" with the exclamation icon; the bare reason goes in `detail`. A
// drawNumber of 0 names no draw.
Refusal SimulationFailure(RefusalCause cause, std::int32_t drawNumber, std::string_view reason);

// A failing run produces no report.
using SimulationResult = Expected<SimulationRun>;

// Simulates the generator over the N newest draws of `draws` (the game's history, index 1 newest): before
// each draw, newest first, the statistics of the draws older than it (main balls and, for Thunderball, the
// Thunderball ball) choose the final numbers through `request` and `wheelLines`, and the draw is checked
// against them. `lottoDraws` is the Lotto history, read only by "49 Numbers from 49" in Lotto Extra: there
// each step starts from the Lotto draws dated before the step's draw. Pure: nothing outside is changed.
//
// The steps are independent, so a long run is shared out over `threads` threads; kAutoThreads takes the
// processor's cores, one per couple of hundred steps. The result is the same whatever the count.
inline constexpr unsigned kAutoThreads = 0;
SimulationResult RunSimulation(const OneBased<LottoDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, unsigned threads = kAutoThreads);
SimulationResult RunSimulation(const OneBased<LottoExtraDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, const OneBased<LottoDrawRec>& lottoDraws,
                               unsigned threads = kAutoThreads);
SimulationResult RunSimulation(const OneBased<ThunderballDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, unsigned threads = kAutoThreads);
SimulationResult RunSimulation(const OneBased<DailyPlayDrawRec>& draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, unsigned threads = kAutoThreads);

// The same over the draws of any game (those of request.game); `lottoDraws` is passed on as above.
SimulationResult RunSimulation(DrawsView draws, const GeneratorRequest& request,
                               const OneBased<std::string>& wheelLines, std::int32_t n,
                               SimulationCommand command, const OneBased<LottoDrawRec>& lottoDraws,
                               unsigned threads = kAutoThreads);

// The largest N a history of `drawCount` draws allows: every step keeps at least 100 older draws.
std::int32_t MaxSimulationDraws(std::int32_t drawCount);

// The check of the number-of-draws box: the accepted N, or the refusal to show under "Incorrect Value".
// The box is emptied in every case; `box` is 1 when it also receives the focus.
Expected<std::int16_t> CheckNumberOfDraws(std::string_view text, std::int32_t drawCount);

// Said before the number of draws is asked for: a game's history of 100 draws or fewer allows no
// simulation at all, and the box's range would read "between 1 and" a number below 1.
Checked EnoughDrawsToSimulate(Game game, std::int32_t drawCount);

// The totals text of a run (ending with its star line and CR LF).
std::string SimulationTotalsText(std::int32_t draws, std::int32_t numbersUsed,
                                 const std::array<std::int32_t, kStrikeCategories>& totals,
                                 SimulationCommand command);

}  // namespace quintara
