#include "history/ResultsDownload.h"

#include "core/Dates.h"

namespace quintara {

std::string ResultsAddress(Game game,
                           const std::vector<std::pair<std::string, std::string>>& resultsSection) {
    const std::string name = GameName(game);
    for (const auto& [key, value] : resultsSection) {
        if (key == name && !value.empty()) {
            return value;
        }
    }
    return std::string(Info(game).resultsCsvAddress);
}

Expected<CsvImportReport> MergeDownloadedResults(Game game, std::string_view body,
                                                 const std::filesystem::path& appDir) {
    return ImportHistoryCsv(game, body, appDir, ImportMode::Merge);
}

std::string ResultsMergeText(Game game, const CsvImportReport& report) {
    const std::string name = GameName(game);
    if (report.added == 0 || !report.newestAdded) {
        return "The " + name + " history was already up to date.";
    }
    return "Added " + std::to_string(report.added) + (report.added == 1 ? " draw" : " draws") + " to the " +
           name + " history; the newest is of " + FormatDate(*report.newestAdded) + ".";
}

std::string ResultsFailureText(Game game, std::string_view address, std::string_view reason) {
    return "The " + GameName(game) + " history was not changed: " + std::string(address) + ": " +
           std::string(reason);
}

}  // namespace quintara
