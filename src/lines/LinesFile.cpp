#include "lines/LinesFile.h"

#include <algorithm>
#include <cctype>
#include <span>
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

std::optional<std::string> LineFault(Game game, std::span<const std::int16_t> balls,
                                     std::int16_t thunderball) {
    // An empty line, all zeros, is the program's own: what Load shows for an empty file, and Save writes.
    if (thunderball == 0 &&
        std::all_of(balls.begin(), balls.end(), [](std::int16_t ball) { return ball == 0; })) {
        return std::nullopt;
    }
    const int highest = Info(game).maxBall;
    for (std::size_t i = 0; i < balls.size(); ++i) {
        if (balls[i] < 1 || balls[i] > highest) {
            return "ball " + std::to_string(balls[i]) + " is not a number from 1 to " +
                   std::to_string(highest);
        }
        if (std::find(balls.begin(), balls.begin() + static_cast<std::ptrdiff_t>(i), balls[i]) !=
            balls.begin() + static_cast<std::ptrdiff_t>(i)) {
            return "ball " + std::to_string(balls[i]) + " is there twice";
        }
    }
    // A line made by a wheel leaves the Thunderball empty (0).
    if (Info(game).extraStatistics && (thunderball < 0 || thunderball > Info(game).extraMax)) {
        return "the Thunderball " + std::to_string(thunderball) + " is not a number from 1 to " +
               std::to_string(Info(game).extraMax);
    }
    return std::nullopt;
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

Expected<SavedLines> ReadLinesFile(const std::filesystem::path& path, Game game, InputKinds kinds) {
    auto bytes = ReadInputFile(path, kinds, kMostLinesFileBytes);
    if (!bytes) {
        return Refuse(bytes.error());
    }
    const std::size_t slot = LinesSlotLength(game);
    if (bytes->size() % slot != 0) {
        return Refuse(RefusalCause::BadFormat, InputName(path, kinds) + ": its " +
                                                   std::to_string(bytes->size()) +
                                                   " bytes are not a whole number of " + GameName(game) +
                                                   " lines of " + std::to_string(slot) + " bytes");
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
    // A zero-byte file stands for its single empty line; every line a file holds must be a line of the game.
    if (!bytes->empty()) {
        const auto mainBalls = static_cast<std::size_t>(Info(game).mainBalls);
        for (std::size_t i = 1; i <= lines.Count(); ++i) {
            const auto fault = Info(game).sevenBallLines
                                   ? LineFault(game, std::span(lines.dailyPlay[i].Balls).first(mainBalls), 0)
                                   : LineFault(game, std::span(lines.picked[i].Balls).first(mainBalls),
                                               lines.picked[i].Balls[5]);
            if (fault) {
                return Refuse(RefusalCause::BadFormat,
                              InputName(path, kinds) + ": line " + std::to_string(i) + ": " + *fault);
            }
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

Expected<FileWritten> SaveLines(const std::filesystem::path& textName, const SavedLines& lines,
                                double generatedDate) {
    const std::string text = SavedLinesText(lines, generatedDate);
    const std::string binary = EncodeLinesFile(lines);
    return WriteFilesAtomically({{textName, text}, {BinaryLinesName(textName, lines.game), binary}});
}

}  // namespace quintara
