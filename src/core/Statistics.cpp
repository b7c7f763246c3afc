#include "core/Statistics.h"

#include <algorithm>
#include <array>

#include "core/ShellSort.h"

namespace quintara {

namespace {

// Sorts the records 1..n of a table by one field, the ball travelling with its key.
template <class Rec, class KeyField, class InOrder>
void SortByField(OneBased<Rec>& table, KeyField Rec::*field, InOrder inOrder) {
    const int n = static_cast<int>(table.Size());
    if (n < 2) {
        return;
    }
    // The tables of a game's balls fit on the stack; longer ones get room on the heap.
    constexpr int kOnStack = 64;
    std::array<KeyField, kOnStack + 1> localKeys;
    std::array<std::int16_t, kOnStack + 1> localBalls;
    std::vector<KeyField> heapKeys;
    std::vector<std::int16_t> heapBalls;
    KeyField* keys = localKeys.data();
    std::int16_t* balls = localBalls.data();
    if (n > kOnStack) {
        heapKeys.resize(static_cast<std::size_t>(n) + 1);
        heapBalls.resize(static_cast<std::size_t>(n) + 1);
        keys = heapKeys.data();
        balls = heapBalls.data();
    }
    Rec* records = &*table.begin() - 1;
    for (int i = 1; i <= n; ++i) {
        keys[i] = records[i].*field;
        balls[i] = records[i].Ball;
    }
    ShellSortPasses(keys, balls, n, inOrder);
    for (int i = 1; i <= n; ++i) {
        records[i].*field = keys[i];
        records[i].Ball = balls[i];
    }
}

template <class Rec>
CountedDraw CountedMain(const Rec& draw) {
    CountedDraw counted;
    counted.date = draw.DrawDate;
    for (auto ball : draw.Balls) {
        counted.balls[counted.ballCount++] = ball;
    }
    return counted;
}

}  // namespace

CountedDraw Counted(const LottoDrawRec& draw) {
    CountedDraw counted = CountedMain(draw);
    counted.balls[counted.ballCount++] = draw.BonusBall;
    return counted;
}

CountedDraw Counted(const LottoExtraDrawRec& draw) {
    return CountedMain(draw);
}

CountedDraw Counted(const ThunderballDrawRec& draw) {
    CountedDraw counted = CountedMain(draw);
    counted.thunderball = draw.Thunderball;
    return counted;
}

CountedDraw Counted(const DailyPlayDrawRec& draw) {
    return CountedMain(draw);
}

void CountBalls(const std::vector<CountedDraw>& draws, int n, bool thunderballField,
                OneBased<FrequencyRec>& frequency, OneBased<LastDrawnRec>& lastDrawn) {
    frequency = OneBased<FrequencyRec>(static_cast<std::size_t>(n));
    lastDrawn = OneBased<LastDrawnRec>(static_cast<std::size_t>(n));
    for (std::size_t b = 1; b <= frequency.Size(); ++b) {
        frequency[b] = FrequencyRec{static_cast<std::int16_t>(b), 0};
        lastDrawn[b] = LastDrawnRec{0.0, static_cast<std::int16_t>(b)};
    }
    // One walk from the oldest draw to the newest, so the last date written for a number is that of
    // the newest draw holding it.
    std::vector<int> seenIn(static_cast<std::size_t>(n) + 1, -1);
    for (int index = static_cast<int>(draws.size()) - 1; index >= 0; --index) {
        const CountedDraw& draw = draws[static_cast<std::size_t>(index)];
        auto count = [&](std::int16_t value) {
            if (value < 1 || value > n || seenIn[static_cast<std::size_t>(value)] == index) {
                return;
            }
            seenIn[static_cast<std::size_t>(value)] = index;
            ++frequency[static_cast<std::size_t>(value)].Count;
            lastDrawn[static_cast<std::size_t>(value)].DrawDate = draw.date;
        };
        if (thunderballField) {
            count(draw.thunderball);
        } else {
            for (int f = 0; f < draw.ballCount; ++f) {
                count(draw.balls[f]);
            }
        }
    }
}

void SortFrequencies(OneBased<FrequencyRec>& table) {
    const int n = static_cast<int>(table.Size());
    std::array<std::int32_t, kMostOrdered + 1> counts{};
    std::array<std::uint8_t, kMostOrdered + 1> order{};
    if (n <= kMostOrdered) {
        for (int i = 1; i <= n; ++i) {
            counts[static_cast<std::size_t>(i)] = table[static_cast<std::size_t>(i)].Count;
        }
        if (ShellSortOrder(counts.data(), n, order.data())) {
            std::array<FrequencyRec, kMostOrdered + 1> unsorted{};
            std::copy(table.begin(), table.end(), unsorted.begin() + 1);
            for (int i = 1; i <= n; ++i) {
                table[static_cast<std::size_t>(i)] = unsorted[order[static_cast<std::size_t>(i)]];
            }
            return;
        }
    }
    SortByField(table, &FrequencyRec::Count, [](std::int32_t a, std::int32_t b) { return a >= b; });
}

void SortLastDrawn(OneBased<LastDrawnRec>& table) {
    SortByField(table, &LastDrawnRec::DrawDate, [](double a, double b) { return a >= b; });
}

void SortIntegers(OneBased<std::int16_t>& values, int n) {
    n = std::min(n, static_cast<int>(values.Size()));
    if (n >= 2) {
        ShellSortPasses(&*values.begin() - 1, static_cast<NoPayload*>(nullptr), n,
                        [](std::int16_t a, std::int16_t b) { return a <= b; });
    }
}

GameStatistics ComputeStatistics(Game game, const std::vector<CountedDraw>& draws) {
    GameStatistics stats;
    if (Info(game).extraStatistics) {
        CountBalls(draws, Info(game).extraMax, true, stats.ThunderballFrequency, stats.ThunderballLastDrawn);
        SortFrequencies(stats.ThunderballFrequency);
        SortLastDrawn(stats.ThunderballLastDrawn);
    }
    CountBalls(draws, Info(game).maxBall, false, stats.BallFrequency, stats.BallLastDrawn);
    SortFrequencies(stats.BallFrequency);
    SortLastDrawn(stats.BallLastDrawn);
    return stats;
}

std::vector<std::string> FrequencyItems(const OneBased<FrequencyRec>& table) {
    std::vector<std::string> items;
    items.reserve(table.Size());
    for (const auto& rec : table) {
        items.push_back("Number " + std::to_string(rec.Ball) + " has occured " + std::to_string(rec.Count) +
                        " times.");
    }
    return items;
}

}  // namespace quintara
