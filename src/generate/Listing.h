#pragma once

#include <string>
#include <string_view>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"

namespace quintara {

// The file in the application directory that every Pick rewrites with the listing.
inline constexpr std::string_view kPrintTempFile = "Print Temp";

// The listing of the picked lines, as Pick writes it to "\Print Temp": a header, one entry per line in
// 14-column print zones (five numbers for Thunderball, whose Thunderball field is not listed, seven for
// Daily Play, which reads `dailyPlayPickedLines`), and a footer with the count and `today` as DD/MM/YYYY.
// Lines end in CR LF.
std::string PickedLinesListing(Game game, const OneBased<LottoDrawRec>& pickedLines,
                               const OneBased<DailyPlayDrawRec>& dailyPlayPickedLines, double today);

// The same layout with `emptyLinesAfterEntry` empty lines after each entry and `date` in the footer; the
// listing keeps three, the saved-lines text file two after a Daily Play entry.
std::string LinesListing(Game game, const OneBased<LottoDrawRec>& pickedLines,
                         const OneBased<DailyPlayDrawRec>& dailyPlayPickedLines, double date,
                         int emptyLinesAfterEntry);

}  // namespace quintara
