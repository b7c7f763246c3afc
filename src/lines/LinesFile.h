#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Files.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Refusal.h"

namespace quintara {

// The save dialog's filter for the text file of saved lines.
inline constexpr std::string_view kLinesTextFilter = "Text files (*.txt)|*.txt";

// Save refused because no lines are on show; the title is spelled as the program has always shown it.
inline constexpr std::string_view kSaveNoLinesText = "You must pick numbers before you can save them!";
inline constexpr std::string_view kSaveNoLinesTitle = "Pick Nmumbers";

// The lines of one game as a saved-lines file holds them: `picked` for Lotto, Lotto Extra and Thunderball
// (a Thunderball line keeps its Thunderball in Ball6), `dailyPlay` for Daily Play. Only the array of `game`
// carries lines.
struct SavedLines {
    Game game = Game::Lotto;
    OneBased<LottoDrawRec> picked;
    OneBased<DailyPlayDrawRec> dailyPlay;

    std::size_t Count() const { return Info(game).sevenBallLines ? dailyPlay.Size() : picked.Size(); }
};

// Slot length of a game's saved-lines file (the history file's record length).
std::size_t LinesSlotLength(Game game);

// ".lot", ".lxt", ".thu", ".dly", ".l59", ".t39".
std::string_view LinesExtension(Game game);

// The open dialog's filter of a game's lines files: "(*.lot)|*.lot|(*.fil)|*.fil" for Lotto.
std::string LinesFileFilter(Game game);

// The name the save dialog proposes: "Generated Lotto Numbers".
std::string ProposedLinesName(Game game);

// The binary file beside a chosen text file: the name up to its last "." and the game's extension
// (a.b.txt gives a.b.lot); a name without "." gets the extension appended. Only the file name is looked
// at, so a "." in a folder name is left alone.
std::filesystem::path BinaryLinesName(const std::filesystem::path& textName, Game game);

// The game whose lines a file holds, from its extension in any case (".Lot" and ".FIL" are Lotto);
// nothing for any other extension.
std::optional<Game> GameOfLinesFile(const std::filesystem::path& path);

// The most bytes a saved-lines file is read from: far beyond any the program writes (the largest wheel
// makes 904 lines of at most 52 bytes), so that a wrong file is refused at once, not read for minutes.
inline constexpr std::size_t kMostLinesFileBytes = std::size_t{100} * 1024 * 1024;

// The lines of a saved-lines file, one per slot. A file of zero bytes gives the single zeroed line 1.
// Anything else that is not a file of the game's lines is refused with an error naming the file and the
// fault: a size over kMostLinesFileBytes, a length that is not a whole number of slots, a ball outside the
// game's range, a ball twice in a line (the Thunderball, apart, may be 0: a wheel's line has none). A line
// of zeros, the empty line the program itself shows and saves, is read as it is. `kinds` says whether a
// pipe or the standard input ("-") is read too.
Expected<SavedLines> ReadLinesFile(const std::filesystem::path& path, Game game,
                                   InputKinds kinds = InputKinds::PlainFiles);

// The bytes of the binary file: line i in slot i.
std::string EncodeLinesFile(const SavedLines& lines);

// The text printout: heading, one entry per line in print zones (five numbers for Thunderball, seven for
// Daily Play), empty lines after each entry (three, two for Daily Play), and the footer with the count and
// `generatedDate` as DD/MM/YYYY. Lines end in CR LF.
std::string SavedLinesText(const SavedLines& lines, double generatedDate);

// Writes the text file under `textName` and the binary file beside it. Both are written to temporary
// files first and replace the old files only when both were written, and a failed replacement puts the
// first one back, so a failed save changes nothing; the error names the file and the reason.
Expected<FileWritten> SaveLines(const std::filesystem::path& textName, const SavedLines& lines,
                                double generatedDate);

}  // namespace quintara
