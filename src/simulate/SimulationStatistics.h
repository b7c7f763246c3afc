#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/Games.h"
#include "core/Statistics.h"

namespace quintara {

// What the shrinking statistics of a history read and never change: the draws' numbers linked to the next
// older draw holding each, the dates as sortable whole numbers, and the counts of the whole history. Made
// once per history and shared by every thread of a simulation.
class HistoryTables {
public:
    // `draws`: index 0 the newest, as ComputeStatistics takes them; they must outlive this object.
    HistoryTables(Game game, std::span<const CountedDraw> draws);

private:
    friend class ShrinkingStatistics;

    // One number counted in one draw, and the next older draw that holds it (-1: none).
    struct Appearance {
        std::int16_t value;
        std::int32_t nextOlder;
    };

    // Counts and newest dates of numbers 1..n, in ball order, as a recount leaves them before sorting.
    struct Counts {
        std::vector<std::int32_t> count;  // [b] for ball b; [0] unused
        std::vector<double> lastDate;
        std::vector<std::int32_t> lastKey;  // lastDate as its DateKey
    };

    // The numbers of one field (main balls, or the Thunderball) of every draw.
    struct Table {
        int n = 0;
        // Draw i's numbers, each once: appearances[i * slots + 0 .. + used[i]).
        std::size_t slots = 0;
        std::vector<Appearance> appearances;
        std::vector<std::uint8_t> used;
        Counts whole;  // of the whole history
    };

    void MakeDateKeys();
    std::int32_t DateKey(std::int32_t draw) const {
        return draw < 0 ? m_dayZeroKey : m_dateKeys[static_cast<std::size_t>(draw)];
    }
    void Build(Table& table, int n, bool thunderballField);

    Game m_game;
    std::span<const CountedDraw> m_draws;
    // The dates as whole numbers in the same order, so the branch-free sort can order the last-drawn
    // tables: [i] for draw i, and day 0 for a number no remaining draw holds. Empty when a date does not
    // compare (not a number), and the tables are then sorted by their dates.
    std::vector<std::int32_t> m_dateKeys;
    std::int32_t m_dayZeroKey = 0;
    Table m_main;
    Table m_thunderball;  // the Thunderball game only
};

// The statistics of a history as its newest draws are taken away one at a time, kept up to date by
// undoing each removed draw instead of recounting: Sorted() equals ComputeStatistics over the draws
// that remain, element for element, because the unsorted tables it hands to the Shell sorts are the
// very tables a recount builds.
class ShrinkingStatistics {
public:
    // `draws`: index 0 the newest, as ComputeStatistics takes them; they must outlive this object.
    ShrinkingStatistics(Game game, std::span<const CountedDraw> draws);
    // Over tables made once for many.
    explicit ShrinkingStatistics(std::shared_ptr<const HistoryTables> tables);

    // Takes the newest remaining draw away; nothing happens once none remains.
    void RemoveNewest();

    // How many of the newest draws are gone: the remaining history starts at draws[Removed()].
    std::size_t Removed() const { return m_removed; }

    // The statistics of the remaining draws, sorted as the program sorts them; valid until the next call.
    const GameStatistics& Sorted();

private:
    using Counts = HistoryTables::Counts;
    using Table = HistoryTables::Table;

    void Remove(const Table& table, Counts& counts, std::size_t index);
    void Fill(const Table& table, const Counts& counts, OneBased<FrequencyRec>& frequency,
              OneBased<LastDrawnRec>& lastDrawn) const;

    std::shared_ptr<const HistoryTables> m_tables;
    std::size_t m_removed = 0;
    GameStatistics m_sorted;
    Counts m_main;
    Counts m_thunderball;  // the Thunderball game only
};

}  // namespace quintara
