#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Files.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Refusal.h"

namespace quintara {

// The typed numbers of a check in box order: txtBall1..txtBall6, then txtBonusBall (Lotto's bonus ball or
// Daily Play's seventh ball); positions the game does not show hold 0.
using TypedDraw = std::array<std::int16_t, 7>;

// The texts of the check window's boxes in the same order.
using CheckBoxes = std::array<std::string, 7>;

// Winning lines per prize category.
struct PrizeCounts {
    std::int32_t three = 0;
    std::int32_t four = 0;
    std::int32_t five = 0;
    std::int32_t fiveAndBonus = 0;
    std::int32_t six = 0;
    std::int32_t seven = 0;
    bool operator==(const PrizeCounts&) const = default;
};

// What a check found: the winning lines from position 1 (a single zeroed entry when nothing won), their
// number, the counts per category and how many lines were checked. A game checked by today's prizes counts
// its tiers instead, one count per tier of its table, in the table's order.
struct CheckResult {
    OneBased<WinningLineRec> winningLines;
    std::int32_t winners = 0;
    PrizeCounts counts;
    std::size_t linesChecked = 0;
    Game game = Game::Lotto;
    std::vector<std::int32_t> tierCounts;
};

// The prize tier a line's matches win in a game checked by today's prizes: the tier with the extra ball when
// the line matched it and there is one, else the tier without; nothing when neither is a tier.
std::optional<std::size_t> PrizeTierOf(Game game, int matches, bool extraMatched);

// The boxes a game shows, which are also the typed numbers it checks: Lotto 7 (the bonus ball last),
// Lotto Extra 6, Thunderball 5 (its Thunderball is not checked), Daily Play 7; Thunderball 39 checks its
// Thunderball in the sixth.
int CheckBoxCount(Game game);

// The typed numbers from box texts: each shown box rounded half to even (3.5 is 4, 2.5 is 2), text that is
// not a number as 0, boxes the game does not show as 0.
TypedDraw TypedFromBoxes(Game game, const CheckBoxes& boxes);

// The typed numbers of a past draw, in box order (Lotto's bonus ball last, no Thunderball).
TypedDraw TypedFromDraw(const LottoDrawRec& draw);
TypedDraw TypedFromDraw(const LottoExtraDrawRec& draw);
TypedDraw TypedFromDraw(const ThunderballDrawRec& draw);
TypedDraw TypedFromDraw(const DailyPlayDrawRec& draw);
// Thunderball 39 checks its Thunderball: it follows the five main numbers.
TypedDraw TypedFromDraw(const Thunderball39DrawRec& draw);

// Compares the typed numbers with every line. A line wins from three matched numbers (Lotto, Thunderball),
// only at six (Lotto Extra), from four (Daily Play). Lotto's bonus ball counts only when the line already
// matched exactly five; a Thunderball line's Ball6 (its Thunderball) is never compared. `lines` of Lotto,
// Lotto Extra and Thunderball; Daily Play lines have their own record. A game that does not fit the record
// throws std::invalid_argument.
CheckResult CheckLines(Game game, const TypedDraw& typed, const OneBased<LottoDrawRec>& lines);
CheckResult CheckLines(Game game, const TypedDraw& typed, const OneBased<DailyPlayDrawRec>& lines);

inline constexpr std::string_view kNoWinReport = "Sorry, you did not win this time!";

// The report of a check: "You have 2 winning lines of:", the six categories and "Out of 9 lines", lines
// joined by CR LF with none after the last; the no-win sentence when nothing won.
std::string WinningReportText(const CheckResult& result);

// The main window's caption over the winning lines: "View Winning Line", "View 2 Winning Lines".
std::string WinningLinesCaption(std::int32_t winners);

// The name the report's save dialog proposes; nothing is appended to the name the user types.
inline constexpr std::string_view kProposedReportName = "Winning Report";

// Writes the report and one CR LF under `path` as given, through a temporary file, so a failure leaves
// any old file whole; the error names the file and the reason.
Expected<FileWritten> SaveReport(const std::filesystem::path& path, std::string_view reportText);

}  // namespace quintara
