#include "generate/Listing.h"

#include <span>

#include "core/Dates.h"
#include "core/TextRules.h"

namespace quintara {

namespace {

constexpr int kListingEmptyLines = 3;

void WriteEntry(PrintZoneWriter& writer, std::span<const std::int16_t> numbers, int emptyLines) {
    for (auto number : numbers) {
        writer.NextZone().Write(PrintNumber(number));
    }
    writer.EndLine();
    for (int i = 0; i < emptyLines; ++i) {
        writer.EndLine();
    }
}

}  // namespace

std::string PickedLinesListing(Game game, const OneBased<LottoDrawRec>& pickedLines,
                               const OneBased<DailyPlayDrawRec>& dailyPlayPickedLines, double today) {
    return LinesListing(game, pickedLines, dailyPlayPickedLines, today, kListingEmptyLines);
}

std::string LinesListing(Game game, const OneBased<LottoDrawRec>& pickedLines,
                         const OneBased<DailyPlayDrawRec>& dailyPlayPickedLines, double date,
                         int emptyLinesAfterEntry) {
    PrintZoneWriter writer;
    writer.EndLine().EndLine();
    writer.NextZone().Write("Generated " + GameName(game) + " Numbers");
    writer.EndLine().EndLine().EndLine().EndLine();

    std::size_t count = 0;
    if (Info(game).sevenBallLines) {
        for (const auto& line : dailyPlayPickedLines) {
            WriteEntry(writer, line.Balls, emptyLinesAfterEntry);
        }
        count = dailyPlayPickedLines.Size();
    } else {
        // A line checked with its Thunderball lists it after the main numbers.
        const auto listed =
            static_cast<std::size_t>(Info(game).mainBalls) + (Info(game).ChecksLineThunderball() ? 1U : 0U);
        for (const auto& line : pickedLines) {
            WriteEntry(writer, std::span(line.Balls).first(listed), emptyLinesAfterEntry);
        }
        count = pickedLines.Size();
    }
    writer.NextZone().Write(SignBlank(static_cast<long>(count)) + " lines generated on " + FormatDate(date));
    writer.EndLine();
    return writer.Text();
}

}  // namespace quintara
