#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Files.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Refusal.h"

namespace quintara {

// Replace: the CSV becomes the whole history. Merge: only the CSV's draws newer than the history's
// newest are added in front of it, the weekly way to bring a history up to date.
enum class ImportMode { Replace, Merge };

// What an import wrote, and what it had to change on the way (a Lotto ball set that is not a number).
struct CsvImportReport {
    std::size_t draws = 0;        // draws the CSV holds
    std::size_t added = 0;        // draws written (Replace: all of them; Merge: the newer ones)
    std::size_t alreadyHeld = 0;  // Merge: CSV draws the history holds already, the same numbers
    std::size_t older = 0;        // Merge: CSV draws older than the history's newest and not held; left out
    std::optional<double> newestAdded;  // the date of the newest draw written, when one was
    std::vector<std::string> warnings;
    std::optional<std::filesystem::path> backup;  // where the history replaced was kept
    std::string saveWarning;  // the history was written, but the user should know (a power cut, the backup)
};

// The draws of a history CSV, newest first, each with the CSV line it came from.
template <class Rec>
struct HistoryCsvDraws {
    OneBased<Rec> draws;
    std::vector<std::size_t> lines;  // lines[i - 1] is the line of draws[i]
    std::vector<std::string> warnings;
};

// The CSV header of a game: draw_date,ball1,...,ballN[,extra],ball_set,machine.
std::string HistoryCsvHeader(Game game);

// The name a replaced history is kept under: the history file's name and ".bak".
std::filesystem::path BackupPathFor(const std::filesystem::path& historyPath);

// Checks every row of a history CSV (UTF-8, as written by ExportHistoryCsv or a spreadsheet) and turns
// it into records. Text fields are encoded to Windows-1252 and must fit their record field; errors name
// the line, the field and what is wrong.
template <class Rec>
Expected<HistoryCsvDraws<Rec>> ParseHistoryCsv(std::string_view csv);

// Imports CSV text into the game's history file. Nothing is written unless every row is sound. Replace
// keeps a non-empty history as BackupPathFor(history) before replacing it. Merge adds only the draws
// newer than the history's newest, refuses a CSV draw whose numbers differ from the draw the history
// holds on its date (naming the date), refuses a history with damaged records, and keeps a backup too.
Expected<CsvImportReport> ImportHistoryCsv(Game game, std::string_view csv,
                                           const std::filesystem::path& appDir,
                                           ImportMode mode = ImportMode::Replace);

// The same from a CSV file; errors of the file or of its rows start with the file's path.
// `kinds` says whether a pipe or the standard input ("-") is read too.
Expected<CsvImportReport> ImportHistoryCsvFile(Game game, const std::filesystem::path& csvPath,
                                               const std::filesystem::path& appDir,
                                               ImportMode mode = ImportMode::Replace,
                                               InputKinds kinds = InputKinds::PlainFiles);

// Draws as CSV in the import format, newest first: text fields decoded from Windows-1252 to UTF-8,
// trimmed of blanks, quoted when they must be. The draws must be sound (VerifyDraws finds nothing).
template <class Rec>
std::string HistoryCsvText(const OneBased<Rec>& draws);

// Applies X to every record type the templates above are made for (their explicit instantiations).
#define QUINTARA_FOR_EACH_HISTORY_RECORD(X) \
    X(LottoDrawRec);                        \
    X(LottoExtraDrawRec);                   \
    X(ThunderballDrawRec);                  \
    X(DailyPlayDrawRec);                    \
    X(Lotto59DrawRec);                      \
    X(Thunderball39DrawRec)

// The game's history file as CSV. A history with damaged records is refused with their list.
Expected<std::string> ExportHistoryCsv(Game game, const std::filesystem::path& appDir);

}  // namespace quintara
