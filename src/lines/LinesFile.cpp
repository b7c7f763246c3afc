#include "lines/LinesFile.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/Files.h"
#include "core/RecordFile.h"
#include "generate/Listing.h"

namespace quintara {

namespace {

// Empty lines after each entry of the text file; the pick listing keeps three for every game.
constexpr int kEmptyLinesAfterEntry = 3;
constexpr int kEmptyLinesAfterDailyPlayEntry = 2;

// Where the file name starts: after the last separator of either kind, as a typed name may use both.
std::size_t FileNameStart(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::size_t LinesSlotLength(Game game) {
    return static_cast<std::size_t>(Info(game).recordLength);
}

std::string_view LinesExtension(Game game) {
    return Info(game).linesExtension;
}

std::string LinesFileFilter(Game game) {
    const auto pattern = [](std::string_view extension) {
        const std::string glob = "*" + std::string(extension);
        return "(" + glob + ")|" + glob;
    };
    std::string filter = pattern(Info(game).linesExtension);
    if (!Info(game).linesExtensionAlt.empty()) {
        filter += "|" + pattern(Info(game).linesExtensionAlt);
    }
    return filter;
}

std::string ProposedLinesName(Game game) {
    return "Generated " + GameName(game) + " Numbers";
}

std::filesystem::path BinaryLinesName(const std::filesystem::path& textName, Game game) {
    std::string name = textName.string();
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot >= FileNameStart(name)) {
        name.erase(dot);
    }
    return name + std::string(LinesExtension(game));
}

std::optional<Game> GameOfLinesFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    const auto dot = name.find_last_of('.');
    if (dot == std::string::npos || dot < FileNameStart(name)) {
        return std::nullopt;
    }
    const std::string extension = Lower(std::string_view(name).substr(dot));
    for (const Game game : kAllGames) {
        if (extension == Info(game).linesExtension || extension == Info(game).linesExtensionAlt) {
            return game;
        }
    }
    return std::nullopt;
}

Result<SavedLines> ReadLinesFile(const std::filesystem::path& path, Game game) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return bytes.GetError();
    }
    SavedLines lines{game, {}, {}};
    if (Info(game).sevenBallLines) {
        lines.dailyPlay = DecodeSlots<DailyPlayDrawRec>(*bytes, LinesSlotLength(game));
        if (lines.dailyPlay.Empty()) {
            lines.dailyPlay.Resize(1);
        }
    } else {
        lines.picked = DecodeSlots<LottoDrawRec>(*bytes, LinesSlotLength(game));
        if (lines.picked.Empty()) {
            lines.picked.Resize(1);
        }
    }
    return lines;
}

std::string EncodeLinesFile(const SavedLines& lines) {
    if (Info(lines.game).sevenBallLines) {
        return EncodeSlots(lines.dailyPlay, LinesSlotLength(lines.game));
    }
    return EncodeSlots(lines.picked, LinesSlotLength(lines.game));
}

std::string SavedLinesText(const SavedLines& lines, double generatedDate) {
    const int emptyLines =
        Info(lines.game).sevenBallLines ? kEmptyLinesAfterDailyPlayEntry : kEmptyLinesAfterEntry;
    return LinesListing(lines.game, lines.picked, lines.dailyPlay, generatedDate, emptyLines);
}

Status SaveLines(const std::filesystem::path& textName, const SavedLines& lines, double generatedDate) {
    const std::string text = SavedLinesText(lines, generatedDate);
    const std::string binary = EncodeLinesFile(lines);
    return WriteFilesAtomically({{textName, text}, {BinaryLinesName(textName, lines.game), binary}});
}

}  // namespace quintara
