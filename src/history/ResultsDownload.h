#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Games.h"
#include "core/Refusal.h"
#include "history/HistoryCsv.h"

namespace quintara {

// The settings section that holds each game's results address, under the game's name ("Lotto 59").
inline constexpr std::string_view kResultsSection = "Results";

// A results file is a few kilobytes; a body far larger is no results file and is not kept in memory.
inline constexpr std::size_t kMostResultsBytes = 8 * 1024 * 1024;

// The address a game's latest results are downloaded from: its value in the Results section when one is
// set there, else the operator's own. Empty for a game whose results are published nowhere.
std::string ResultsAddress(Game game, const std::vector<std::pair<std::string, std::string>>& resultsSection);

// Merges a downloaded results file into the game's history as `import-history --merge` does (the old
// file kept as .bak, the new one written atomically): only draws newer than the history's are added. Any
// refusal leaves the history as it was. The programs fetch the bytes; this never touches the network.
Expected<CsvImportReport> MergeDownloadedResults(Game game, std::string_view body,
                                                 const std::filesystem::path& appDir);

// What a merge did, in one sentence: the draws added and the newest date, or that nothing was new.
std::string ResultsMergeText(Game game, const CsvImportReport& report);

// Why a download or its merge came to nothing, naming the address.
std::string ResultsFailureText(Game game, std::string_view address, std::string_view reason);

}  // namespace quintara
