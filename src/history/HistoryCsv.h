#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/Games.h"
#include "core/Result.h"

namespace quintara {

// What an import wrote, and what it had to change on the way (a Lotto ball set that is not a number).
struct CsvImportReport {
    std::size_t draws = 0;
    std::vector<std::string> warnings;
};

// The CSV header of a game: draw_date,ball1,...,ballN[,extra],ball_set,machine.
std::string HistoryCsvHeader(Game game);

// Checks every row of a history CSV and, only when all are sound, replaces the game's history file
// with them, newest first. Errors name the line and what is wrong with it.
Result<CsvImportReport> ImportHistoryCsv(Game game, std::string_view csv,
                                         const std::filesystem::path& appDir);

// The game's history file as CSV, newest first, in the import format.
Result<std::string> ExportHistoryCsv(Game game, const std::filesystem::path& appDir);

}  // namespace quintara
