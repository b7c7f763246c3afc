#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"

namespace quintara::reference {

// The standard algorithm's final numbers done the plain way: records are searched for instead of looked
// up, chosen numbers are searched for in the list, and every ordering by date is the textbook Shell sort
// that swaps neighbours a gap apart. The program's selection must give the same numbers for any tables,
// and fail where this fails.
class SectionSelectionReference {
public:
    static OneBased<std::int16_t> Select(const GameStatistics& statistics, Game game) {
        OneBased<std::int16_t> final;
        const bool lottoCut = game == Game::Lotto || game == Game::LottoExtra;
        if (lottoCut) {
            Run(statistics.BallFrequency, statistics.BallLastDrawn, 49,
                {{1, 7}, {8, 14}, {15, 21}, {22, 28}, {29, 35}, {36, 42}, {43, 49}}, 7, final);
        } else if (game == Game::Thunderball) {
            Run(statistics.BallFrequency, statistics.BallLastDrawn, 34,
                {{1, 6}, {7, 13}, {14, 20}, {21, 27}, {28, 34}}, 5, final);
            Run(statistics.ThunderballFrequency, statistics.ThunderballLastDrawn, 14, {{1, 7}, {8, 14}}, 7,
                final);
        } else if (game == Game::Lotto59) {
            Run(statistics.BallFrequency, statistics.BallLastDrawn, 59,
                {{1, 8}, {9, 16}, {17, 24}, {25, 32}, {33, 41}, {42, 50}, {51, 59}}, 7, final);
        } else if (game == Game::Thunderball39) {
            Run(statistics.BallFrequency, statistics.BallLastDrawn, 39,
                {{1, 7}, {8, 15}, {16, 23}, {24, 31}, {32, 39}}, 5, final);
            Run(statistics.ThunderballFrequency, statistics.ThunderballLastDrawn, 14, {{1, 7}, {8, 14}}, 7,
                final);
        } else {
            Run(statistics.BallFrequency, statistics.BallLastDrawn, 27, {{1, 6}, {7, 13}, {14, 20}, {21, 27}},
                4, final);
        }
        return final;
    }

private:
    using Sections = std::vector<std::pair<int, int>>;

    static void NewestFirst(OneBased<LastDrawnRec>& a, int n) {
        n = std::min(n, static_cast<int>(a.Size()));
        for (int gap = n / 2; gap >= 1; gap /= 2) {
            for (int i = gap; i <= n - 1; ++i) {
                for (int j = i - gap + 1; j >= 1; j -= gap) {
                    if (a[static_cast<std::size_t>(j)].DrawDate >=
                        a[static_cast<std::size_t>(j + gap)].DrawDate) {
                        break;
                    }
                    std::swap(a[static_cast<std::size_t>(j)], a[static_cast<std::size_t>(j + gap)]);
                }
            }
        }
    }

    static void Run(const OneBased<FrequencyRec>& frequency, const OneBased<LastDrawnRec>& lastDrawn,
                    int balls, const Sections& sections, int dateOrdered, OneBased<std::int16_t>& final) {
        if (frequency.Size() < static_cast<std::size_t>(balls)) {
            throw std::runtime_error("the frequencies do not cover every ball");
        }
        // One record per ball 1..balls: the first of each in table order, then the missing ones at day 0.
        OneBased<LastDrawnRec> table;
        for (const auto& rec : lastDrawn) {
            const bool listed = std::any_of(table.begin(), table.end(),
                                            [&](const LastDrawnRec& r) { return r.Ball == rec.Ball; });
            if (rec.Ball >= 1 && rec.Ball <= balls && !listed) {
                table.PushBack(rec);
            }
        }
        for (int ball = 1; ball <= balls; ++ball) {
            if (std::none_of(table.begin(), table.end(),
                             [&](const LastDrawnRec& r) { return r.Ball == ball; })) {
                table.PushBack(LastDrawnRec{0.0, static_cast<std::int16_t>(ball)});
            }
        }
        const std::size_t from = final.Size() + 1;
        auto chosen = [&](std::int16_t ball) {
            for (std::size_t i = from; i <= final.Size(); ++i) {
                if (final[i] == ball) {
                    return true;
                }
            }
            return false;
        };
        auto ball = [&](int p) { return frequency[static_cast<std::size_t>(p)].Ball; };

        for (const auto& [first, last] : sections) {  // A: the newest of the first balls in frequency order
            OneBased<LastDrawnRec> candidates;
            for (int p = first; p <= last; ++p) {
                LastDrawnRec rec{0.0, ball(p)};
                for (const auto& r : table) {
                    if (r.Ball == ball(p)) {
                        rec = r;
                    }
                }
                candidates.PushBack(rec);
            }
            NewestFirst(candidates, dateOrdered);
            final.PushBack(candidates[1].Ball);
        }
        for (const auto& [first, last] : sections) {  // B: the most frequent not chosen
            int p = first;
            while (chosen(ball(p))) {
                ++p;
            }
            final.PushBack(ball(p));
        }
        for (const auto& [first, last] : sections) {  // C: the least frequent not chosen
            int p = last;
            while (chosen(ball(p))) {
                --p;
            }
            final.PushBack(ball(p));
        }
        for (const auto& [first, last] : sections) {  // D: the least recently drawn not chosen
            OneBased<LastDrawnRec> candidates;
            for (auto pos = table.Size(); pos >= 1; --pos) {
                bool inSection = false;
                for (int p = first; p <= last; ++p) {
                    inSection = inSection || ball(p) == table[pos].Ball;
                }
                if (inSection) {
                    candidates.PushBack(table[pos]);
                }
            }
            NewestFirst(candidates, dateOrdered);
            auto q = std::min(static_cast<std::size_t>(dateOrdered), candidates.Size());
            while (chosen(candidates[q].Ball)) {
                --q;
            }
            final.PushBack(candidates[q].Ball);
        }
    }
};

}  // namespace quintara::reference
