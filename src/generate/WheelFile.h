#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Refusal.h"

namespace quintara {

// A message box of the wheel commands: its title and its text.
struct WheelMessage {
    std::string_view title;
    std::string_view text;
};

// A built-in wheel file that cannot be read.
inline constexpr WheelMessage kDefaultWheelNotLoaded{
    "Default Wheel Not Loaded", "Error Occured Importing Default Wheel. Please Try Restarting Quintara"};
// Any failure of the import command, a cancelled file dialog included.
inline constexpr WheelMessage kImportCancelled{"Import Cancelled", "Unable to Load Wheel"};
// A line whose field count is not the game's pointers per line (and a file without lines).
inline constexpr WheelMessage kIncorrectWheel{
    "Incorrect Wheel", "The Selected Wheel has incorrect numbers in Line, please select another!"};
inline constexpr std::string_view kIncorrectWheelFormatTitle = "Incorrect Wheel Format";
// Import refused for Lotto algorithms other than "28 Numbers from 49"; the message box has no title.
inline constexpr std::string_view kImportNotAvailable = "This option is not available for this Algorithm";
// The file-open dialog filter of the import.
inline constexpr std::string_view kWheelFileFilter = "(*.txt)|*.txt";

// A wheel's lines in normalised form ("1,2,3,4,5,6,"), as the program holds them.
using WheelLines = OneBased<std::string>;

// A wheel read from text, or why it was refused: the message box the program shows for it, its cause
// (Unreadable, NoLines, FieldCount, NotANumber, OutOfRange, Duplicate) and, in `detail`, what exactly is
// wrong for a reader who wants more than the message box's fixed text: the file and the reason it cannot be
// read ("/x/w.txt: no such file", "...: is a folder, not a file", "...: no permission to read it", "...: the
// file is empty") or the line at fault and what it holds.
using WheelRead = Expected<WheelLines>;

// Whose messages a read or a check shows: loading a built-in wheel, or importing one.
enum class WheelSource { BuiltIn, Import };

// Every text line (ending in LF or CR LF) is one wheel line; each blank ends a field, so two blanks make
// an empty field. A line whose field count is not the game's pointers per line refuses the whole text.
WheelRead NormaliseWheelText(std::string_view text, Game game);

// Reads a wheel file as above; a file that cannot be read is refused with the message of `source` and the
// file's path and reason in `detail`; an empty file is refused as NoLines, its detail saying so.
WheelRead ReadWheelFile(const std::filesystem::path& path, Game game, WheelSource source);

// Checks every pointer of normalised lines against 1..highest, in line order, stopping at the first fault.
// A field that is not a number is refused with its line; a pointer outside the range with the range
// message of `source` (a built-in message names the game's fixed range whatever `highest` is); a pointer
// a line holds twice with its line, as it would make a line with one number twice.
Checked CheckWheelPointers(const WheelLines& lines, Game game, int highest, WheelSource source);

// Every check a wheel must pass before lines are made from it: at least one line, each normalised line
// holding exactly the game's pointers per line (a comma in the file adds a pointer the blank count missed:
// "1 2 3 4 5 6,7"), and every pointer a number of 1..highest. The first fault, in line order, is returned
// with the message the program shows for it ("Incorrect Wheel" for the line count and the field count).
Checked CheckWheel(const WheelLines& lines, Game game, int highest, WheelSource source);

// Reads a wheel file and runs CheckWheel over it: what selecting or importing a wheel file needs. A
// refused wheel comes back with no lines, so the caller keeps the wheel it had.
WheelRead ReadCheckedWheel(const std::filesystem::path& path, Game game, int highest, WheelSource source);

// The highest pointer an imported wheel may use: the game's, or the number of personal numbers.
int ImportHighestPointer(Game game, bool personalPicksActive, std::size_t personalNumbers);

// The pointers of one normalised line, in order. Throws GenerateError for a field that is not a number.
std::vector<std::int16_t> WheelPointers(std::string_view normalisedLine);
// One field of such a line as a pointer; `normalisedLine` only names the line in the error.
std::int16_t WheelPointer(std::string_view field, std::string_view normalisedLine);

// The wheel box item of an imported wheel: "CUSTOM  12 Line Wheel" for 12 lines.
std::string CustomWheelItem(std::size_t lineCount);

}  // namespace quintara
