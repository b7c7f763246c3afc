#include "core/History.h"

#include "core/TextRules.h"

namespace quintara {

std::filesystem::path HistoryPath(const std::filesystem::path& appDir, Game game) {
    return InAppDir(appDir, Info(game).historyFile);
}

Expected<LoadedHistory> LoadHistory(Game game, const std::filesystem::path& appDir) {
    return WithDrawRecord(game, [&](auto tag) -> Expected<LoadedHistory> {
        using Rec = typename decltype(tag)::type;
        // A game the player has not started yet has no file, and gets none until a draw is written.
        auto draws = ReadHistory<Rec>(appDir, false);
        if (!draws) {
            return Refuse(draws.error());
        }
        GameStatistics statistics = ComputeStatistics(game, *draws);
        return LoadedHistory{std::move(*draws), std::move(statistics)};
    });
}

std::string HowToGetDraws(Game game) {
    const GameInfo& info = Info(game);
    const std::string download = info.resultsCsvAddress.empty()
                                     ? ""
                                     : "download its latest results with \"Download Latest Results\", ";
    return "In the Update menu, " + download +
           "import a CSV file of draws with \"Import History from CSV File...\", or type the draws in with "
           "\"Update " +
           std::string(info.name) + " History File\".";
}

Refusal HistoryLoadFailure(Game game) {
    const std::string second =
        "Please make sure that it is present in the Directory Quintara is installed to!";
    const std::string crlf(kCrLf);
    const GameInfo& info = Info(game);
    // Daily Play's text spells its name in full although its title does not, and names no way to get draws.
    const std::string name(info.name);
    return {.title = std::string(info.loadFailureTitle),
            .text = "There was an Error trying to load the " + name + " History file." + crlf + second +
                    (info.offersDownload ? crlf + "If not present: " + HowToGetDraws(game) : std::string()),
            .cause = RefusalCause::Unreadable};
}

}  // namespace quintara
