#include "core/Statistics.h"

namespace quintara {

namespace {

// The gapped insertion passes shared by every sort of the program. `inOrder(a, b)` says that a may
// stay before b; the inner walk stops at the first pair in order.
template <class T, class InOrder>
void ShellSort(OneBased<T>& items, int n, InOrder inOrder) {
    if (n > static_cast<int>(items.Size())) {
        n = static_cast<int>(items.Size());
    }
    if (n < 2) {
        return;
    }
    // Element 0 exists, so a[j] is items[j] for 0..n; the loops stay within 1..n.
    T* a = &*items.begin() - 1;
    for (int gap = n / 2; gap >= 1; gap /= 2) {
        for (int i = gap; i <= n - 1; ++i) {
            // Each swap of the inner walk carries the same element, items[i + 1], one gap down, so it is
            // moved once at the end instead of swapped at every step.
            const T moving = a[i + 1];
            int j = i - gap + 1;
            while (j >= 1 && !inOrder(a[j], moving)) {
                a[j + gap] = a[j];
                j -= gap;
            }
            a[j + gap] = moving;
        }
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
    for (int b = 1; b <= n; ++b) {
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
    ShellSort(table, static_cast<int>(table.Size()),
              [](const FrequencyRec& a, const FrequencyRec& b) { return a.Count >= b.Count; });
}

void SortLastDrawn(OneBased<LastDrawnRec>& table) {
    ShellSort(table, static_cast<int>(table.Size()),
              [](const LastDrawnRec& a, const LastDrawnRec& b) { return a.DrawDate >= b.DrawDate; });
}

void SortIntegers(OneBased<std::int16_t>& values, int n) {
    ShellSort(values, n, [](std::int16_t a, std::int16_t b) { return a <= b; });
}

GameStatistics ComputeStatistics(Game game, const std::vector<CountedDraw>& draws) {
    GameStatistics stats;
    if (game == Game::Thunderball) {
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
