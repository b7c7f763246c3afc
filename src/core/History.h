#pragma once

#include <filesystem>
#include <string>

#include "core/Draws.h"
#include "core/Games.h"
#include "core/RecordFile.h"
#include "core/Refusal.h"
#include "core/Statistics.h"

namespace quintara {

std::filesystem::path HistoryPath(const std::filesystem::path& appDir, Game game);

// Reads a game's history file (index 1 newest). A missing file is created empty, as opening it for
// random access does, and then fails like an empty one; a file with no whole record fails with Empty.
// Read-only callers (the command line) pass createMissing = false.
template <class Rec>
Expected<OneBased<Rec>> ReadHistory(const std::filesystem::path& appDir, bool createMissing = true) {
    const Game game = GameOfRecord<Rec>();
    const auto path = HistoryPath(appDir, game);
    auto draws = ReadRecordFile<Rec>(path, static_cast<std::size_t>(Info(game).recordLength));
    if (!draws) {
        if (draws.error().cause == RefusalCause::Missing) {
            // Only where nothing is: a writer that made the file meanwhile keeps what it wrote.
            const bool created = createMissing && CreateEmptyFile(path);
            return Refuse(RefusalCause::Missing,
                          path.string() + ": no such file" + (created ? " (an empty one was created)" : ""));
        }
        return Refuse(draws.error());
    }
    if (draws->Empty()) {
        return Refuse(RefusalCause::Empty, path.string() + ": holds no draw");
    }
    return draws;
}

// A game's history as loaded: its draws (index 1 newest) and their statistics.
struct LoadedHistory {
    GameDraws draws;
    GameStatistics statistics;
};

// Reads the history of `game` and computes its statistics. A missing file stays missing.
Expected<LoadedHistory> LoadHistory(Game game, const std::filesystem::path& appDir);

// The message box a failed history load shows for a game, its lines joined by CR LF.
Refusal HistoryLoadFailure(Game game);

// How a player gets a game's draws: the Update menu's commands that download, import or type them in.
std::string HowToGetDraws(Game game);

}  // namespace quintara
