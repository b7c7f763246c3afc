#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"

namespace quintara {

// The sorted ball statistics of one loaded history. The Thunderball tables are filled only for
// the Thunderball game and are empty otherwise.
struct GameStatistics {
    OneBased<FrequencyRec> BallFrequency;  // most drawn first
    OneBased<LastDrawnRec> BallLastDrawn;  // most recently drawn first
    OneBased<FrequencyRec> ThunderballFrequency;
    OneBased<LastDrawnRec> ThunderballLastDrawn;
    bool operator==(const GameStatistics&) const = default;
};

// The fields of one draw that count as drawn, with its date.
struct CountedDraw {
    double date = 0;
    std::int16_t balls[7] = {};
    int ballCount = 0;
    std::int16_t thunderball = 0;
};

CountedDraw Counted(const LottoDrawRec& draw);
CountedDraw Counted(const LottoExtraDrawRec& draw);
CountedDraw Counted(const ThunderballDrawRec& draw);
CountedDraw Counted(const DailyPlayDrawRec& draw);

// Counts numbers 1..n over draws (index 0 newest): a draw counts once per number however often the
// number stands in it, and values outside 1..n are not counted. A number never drawn gets the
// last-drawn record (day 0, number), older than every draw. Tables come back unsorted, element b for
// number b.
void CountBalls(const std::vector<CountedDraw>& draws, int n, bool thunderballField,
                OneBased<FrequencyRec>& frequency, OneBased<LastDrawnRec>& lastDrawn);

// The program's Shell sort (gapped insertion, not stable: the order among equal keys is part of the
// behaviour). Frequencies end descending by Count, last-drawn dates descending by date.
void SortFrequencies(OneBased<FrequencyRec>& table);
void SortLastDrawn(OneBased<LastDrawnRec>& table);
// Elements 1..n ascending, the same passes.
void SortIntegers(OneBased<std::int16_t>& values, int n);

// Counts and sorts every table of `game` over its draws (index 0 newest).
GameStatistics ComputeStatistics(Game game, const std::vector<CountedDraw>& draws);

template <class Rec>
GameStatistics ComputeStatistics(Game game, const OneBased<Rec>& draws) {
    std::vector<CountedDraw> counted;
    counted.reserve(draws.Size());
    for (const auto& draw : draws) {
        counted.push_back(Counted(draw));
    }
    return ComputeStatistics(game, counted);
}

// "Number 23 has occured 187 times.", one item per element of a sorted frequency table.
std::vector<std::string> FrequencyItems(const OneBased<FrequencyRec>& table);

}  // namespace quintara
