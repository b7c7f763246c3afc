#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/Games.h"
#include "core/Statistics.h"

namespace quintara {

// The statistics of a history as its newest draws are taken away one at a time, kept up to date by
// undoing each removed draw instead of recounting: Sorted() equals ComputeStatistics over the draws
// that remain, element for element, because the unsorted tables it hands to the Shell sorts are the
// very tables a recount builds.
class ShrinkingStatistics {
public:
    // `draws`: index 0 the newest, as ComputeStatistics takes them; they must outlive this object.
    ShrinkingStatistics(Game game, std::span<const CountedDraw> draws);

    // Takes the newest remaining draw away; nothing happens once none remains.
    void RemoveNewest();

    // How many of the newest draws are gone: the remaining history starts at draws[Removed()].
    std::size_t Removed() const { return m_removed; }

    // The statistics of the remaining draws, sorted as the program sorts them; valid until the next call.
    const GameStatistics& Sorted();

private:
    // One number counted in one draw, and the next older draw that holds it (-1: none).
    struct Appearance {
        std::int16_t value;
        std::int32_t nextOlder;
    };

    // Counts and newest dates of numbers 1..n, in ball order, as a recount leaves them before sorting.
    struct Table {
        int n = 0;
        std::vector<std::int32_t> count;  // [b] for ball b; [0] unused
        std::vector<double> lastDate;
        std::vector<std::int32_t> lastKey;  // lastDate as its DateKey
        // Draw i's numbers, each once: appearances[i * slots + 0 .. + used[i]).
        std::size_t slots = 0;
        std::vector<Appearance> appearances;
        std::vector<std::uint8_t> used;
    };

    void MakeDateKeys();
    std::int32_t DateKey(std::int32_t draw) const {
        return draw < 0 ? m_dayZeroKey : m_dateKeys[static_cast<std::size_t>(draw)];
    }
    void Build(Table& table, int n, bool thunderballField);
    void Remove(Table& table, std::size_t index);
    void Fill(const Table& table, OneBased<FrequencyRec>& frequency, OneBased<LastDrawnRec>& lastDrawn) const;

    Game m_game;
    std::span<const CountedDraw> m_draws;
    std::size_t m_removed = 0;
    // The dates as whole numbers in the same order, so the branch-free sort can order the last-drawn
    // tables: [i] for draw i, and day 0 for a number no remaining draw holds. Empty when a date does not
    // compare (not a number), and the tables are then sorted by their dates.
    std::vector<std::int32_t> m_dateKeys;
    std::int32_t m_dayZeroKey = 0;
    GameStatistics m_sorted;
    Table m_main;
    Table m_thunderball;  // the Thunderball game only
};

}  // namespace quintara
