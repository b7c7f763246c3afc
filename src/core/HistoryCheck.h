#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Draws.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Refusal.h"

namespace quintara {

// One damaged record of a history: where it is and what is wrong with it.
struct RecordProblem {
    std::size_t record = 0;       // slot index, 1 = newest
    std::int32_t drawNumber = 0;  // LastDraw + 1 - record
    std::string what;             // "ball3 is 0, not a ball of 1 - 49"
    // "record 5 (draw 2061): ball3 is 0, not a ball of 1 - 49"
    std::string Describe() const;
    bool operator==(const RecordProblem&) const = default;
};

// The dates a draw may carry: whole calendar days from 1 January 100 to 31 December 9999.
bool IsDrawDate(double serial);

// What is wrong with one draw of `game`, in field order; nothing for a sound draw. A sound draw has a
// real date, main balls of 1..MaxBall with no ball twice, an extra ball in its range (Lotto's bonus
// differing from the main balls), for Lotto a ball set that is not negative, and no control character in
// the ball set or the machine.
std::vector<std::string> DrawFaults(Game game, const DrawView& draw);

// Every damaged record of a loaded history, newest first, and every second draw on a date already held.
template <class Rec>
std::vector<RecordProblem> VerifyDraws(const OneBased<Rec>& draws);

// Reads the game's history file and verifies it; a file that cannot be read is the error.
Expected<std::vector<RecordProblem>> VerifyHistory(Game game, const std::filesystem::path& appDir);

// The problems as one text, one per line, at most `limit` of them and a count of the rest.
std::string DescribeProblems(const std::vector<RecordProblem>& problems, std::size_t limit = 20);

}  // namespace quintara
