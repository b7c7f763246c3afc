#include "core/History.h"

#include "core/TextRules.h"

namespace quintara {

std::filesystem::path HistoryPath(const std::filesystem::path& appDir, Game game) {
    return InAppDir(appDir, Info(game).historyFile);
}

Status LoadHistory(AppState& state, const std::filesystem::path& appDir) {
    const Game game = state.CurrentGameId();
    return WithDrawRecord(game, [&](auto tag) -> Status {
        using Rec = typename decltype(tag)::type;
        // A game the player has not started yet has no file, and gets none until a draw is written.
        auto draws = ReadHistory<Rec>(appDir, false);
        if (!draws) {
            return draws.GetError();
        }
        GameStatistics stats = ComputeStatistics(game, *draws);
        state.Draws<Rec>() = std::move(*draws);
        state.FirstDraw = 1;
        state.LastDraw = static_cast<std::int32_t>(state.Draws<Rec>().Size());
        state.CurrentDraw = 1;
        state.BallFrequency = std::move(stats.BallFrequency);
        state.BallLastDrawn = std::move(stats.BallLastDrawn);
        if (Info(game).extraStatistics) {
            state.ThunderballFrequency = std::move(stats.ThunderballFrequency);
            state.ThunderballLastDrawn = std::move(stats.ThunderballLastDrawn);
        }
        return Done{};
    });
}

void ForgetHistory(AppState& state) {
    WithDrawRecord(state.CurrentGameId(), [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        state.Draws<Rec>().Clear();
    });
    state.FirstDraw = 1;
    state.LastDraw = 0;
    state.CurrentDraw = 0;
    state.BallFrequency.Clear();
    state.BallLastDrawn.Clear();
    state.ThunderballFrequency.Clear();
    state.ThunderballLastDrawn.Clear();
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

LoadFailureMessage HistoryLoadFailure(Game game) {
    const std::string second =
        "Please make sure that it is present in the Directory Quintara is installed to!";
    const std::string crlf(kCrLf);
    const GameInfo& info = Info(game);
    // Daily Play's text spells its name in full although its title does not, and names no way to get draws.
    const std::string name(info.name);
    return {std::string(info.loadFailureTitle),
            "There was an Error trying to load the " + name + " History file." + crlf + second +
                (info.offersDownload ? crlf + "If not present: " + HowToGetDraws(game) : std::string())};
}

}  // namespace quintara
