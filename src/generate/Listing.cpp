#include "generate/Listing.h"

#include <span>

#include "core/Dates.h"
#include "core/TextRules.h"

namespace quintara {

namespace {

void WriteEntry(PrintZoneWriter& writer, std::span<const std::int16_t> numbers) {
    for (auto number : numbers) {
        writer.NextZone().Write(PrintNumber(number));
    }
    writer.EndLine().EndLine().EndLine().EndLine();
}

}  // namespace

std::string PickedLinesListing(Game game, const OneBased<LottoDrawRec>& pickedLines,
                               const OneBased<DailyPlayDrawRec>& dailyPlayPickedLines, double today) {
    PrintZoneWriter writer;
    writer.EndLine().EndLine();
    writer.NextZone().Write("Generated " + GameName(game) + " Numbers");
    writer.EndLine().EndLine().EndLine().EndLine();

    std::size_t count = 0;
    if (game == Game::DailyPlay) {
        for (const auto& line : dailyPlayPickedLines) {
            WriteEntry(writer, line.Balls);
        }
        count = dailyPlayPickedLines.Size();
    } else {
        const auto listed = static_cast<std::size_t>(Info(game).mainBalls);
        for (const auto& line : pickedLines) {
            WriteEntry(writer, std::span(line.Balls).first(listed));
        }
        count = pickedLines.Size();
    }
    writer.NextZone().Write(SignBlank(static_cast<long>(count)) + " lines generated on " + FormatDate(today));
    writer.EndLine();
    return writer.Text();
}

}  // namespace quintara
