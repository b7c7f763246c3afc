#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "core/Games.h"
#include "core/Records.h"
#include "core/Refusal.h"
#include "history/HistoryCsv.h"

namespace quintara {

// One draw of any game, as the update writes it; its type decides the file it goes into.
using AnyDrawRec = std::variant<LottoDrawRec, LottoExtraDrawRec, ThunderballDrawRec, DailyPlayDrawRec,
                                Lotto59DrawRec, Thunderball39DrawRec>;

Game GameOfDraw(const AnyDrawRec& draw);

// What a history write did.
struct HistoryWritten {
    Game game = Game::Lotto;
    std::int32_t drawNumber = 0;  // the number of the draw written
    std::int32_t draws = 0;       // draws in the file afterwards
    bool added = false;           // a new latest draw rather than a correction
    std::filesystem::path file;
    std::string warning;  // the draw is written, but the user should know (it may not survive a power cut)
};

// Whether a new draw dated `date` may follow the newest draw held, dated `newest`, of which
// `roundsOnNewest` records are held. Only a later date may, or the newest date itself while the game draws
// more rounds that day than are held: anything else is a draw already held, typed again or typed for the
// wrong game, and the history would no longer run newest first.
bool NewDrawDateFollows(const GameInfo& info, double date, double newest, int roundsOnNewest = 1);

// What a refused date is told: the newest date held and the date given.
std::string NotLaterMessage(double date, double newest);

// The date of the newest draw in a game's history file; nothing when there is no draw yet.
Expected<std::optional<double>> NewestDrawDate(Game game, const std::filesystem::path& appDir);

// The number of whole draws in a game's history file; 0 when there is no file yet.
Expected<std::int32_t> HistoryDrawCount(Game game, const std::filesystem::path& appDir);

// Puts `draw` first in its game's history file as draw N + 1, every older draw one slot further on, N
// being the draws the file holds when the change is made (a draw another Quintara added meanwhile
// stays). A missing file counts as an empty history. A draw dated no later than the newest held is
// refused (NewDrawDateFollows) with OutOfRange.
Expected<HistoryWritten> AddDraw(const std::filesystem::path& appDir, const AnyDrawRec& draw);

// Replaces draw D (1..N), the record in slot N - D + 1; every other byte of the file stays as it was.
Expected<HistoryWritten> CorrectDraw(const std::filesystem::path& appDir, std::int32_t drawNumber,
                                     const AnyDrawRec& draw);

// D = N + 1 adds, 1..N corrects; anything else is refused with OutOfRange.
Expected<HistoryWritten> WriteDraw(const std::filesystem::path& appDir, std::int32_t drawNumber,
                                   const AnyDrawRec& draw);

// Every write above goes through ChangeHistory: under the history's lock it reads the file, builds the
// whole new file in memory and puts it in place atomically, so the file is either the old one or the new
// one, never a mixture. Each call opens, writes and closes the file itself, so no handle outlives a call.

}  // namespace quintara
