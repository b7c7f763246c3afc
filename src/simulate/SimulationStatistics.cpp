#include "simulate/SimulationStatistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/ShellSort.h"

namespace quintara {

HistoryTables::HistoryTables(Game game, std::span<const CountedDraw> draws) : m_game(game), m_draws(draws) {
    MakeDateKeys();
    Build(m_main, Info(game).maxBall, false);
    if (Info(game).extraStatistics) {
        Build(m_thunderball, Info(game).extraMax, true);
    }
}

void HistoryTables::MakeDateKeys() {
    std::vector<double> dates{0.0};
    dates.reserve(m_draws.size() + 1);
    for (const CountedDraw& draw : m_draws) {
        if (std::isnan(draw.date)) {
            return;
        }
        dates.push_back(draw.date);
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());  // 0.0 and -0.0 are one date
    auto key = [&](double date) {
        return static_cast<std::int32_t>(std::lower_bound(dates.begin(), dates.end(), date) - dates.begin());
    };
    m_dayZeroKey = key(0.0);
    m_dateKeys.reserve(m_draws.size());
    for (const CountedDraw& draw : m_draws) {
        m_dateKeys.push_back(key(draw.date));
    }
}

void HistoryTables::Build(Table& table, int n, bool thunderballField) {
    const std::size_t size = m_draws.size();
    table.n = n;
    Counts& whole = table.whole;
    whole.count.assign(static_cast<std::size_t>(n) + 1, 0);
    whole.lastDate.assign(static_cast<std::size_t>(n) + 1, 0.0);
    whole.lastKey.assign(static_cast<std::size_t>(n) + 1, m_dayZeroKey);
    table.slots = thunderballField ? 1 : std::size(CountedDraw{}.balls);
    table.appearances.assign(size * table.slots, Appearance{0, -1});
    table.used.assign(size, 0);
    // The walk runs from the oldest draw to the newest, as a recount does, so the last date written for a
    // number is that of its newest draw and `newestSoFar` is the next older draw for the draw at hand.
    std::vector<std::int32_t> newestSoFar(static_cast<std::size_t>(n) + 1, -1);
    for (std::size_t index = size; index-- > 0;) {
        const CountedDraw& draw = m_draws[index];
        Appearance* own = &table.appearances[index * table.slots];
        std::uint8_t& used = table.used[index];
        auto count = [&](std::int16_t value) {
            if (value < 1 || value > n) {
                return;
            }
            for (std::uint8_t k = 0; k < used; ++k) {
                if (own[k].value == value) {
                    return;  // a draw counts once however often a number stands in it
                }
            }
            const auto b = static_cast<std::size_t>(value);
            own[used++] = Appearance{value, newestSoFar[b]};
            newestSoFar[b] = static_cast<std::int32_t>(index);
            ++whole.count[b];
            whole.lastDate[b] = draw.date;
            whole.lastKey[b] = m_dateKeys.empty() ? 0 : m_dateKeys[index];
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

ShrinkingStatistics::ShrinkingStatistics(Game game, std::span<const CountedDraw> draws)
    : ShrinkingStatistics(std::make_shared<const HistoryTables>(game, draws)) {}

ShrinkingStatistics::ShrinkingStatistics(std::shared_ptr<const HistoryTables> tables)
    : m_tables(std::move(tables)),
      m_main(m_tables->m_main.whole),
      m_thunderball(m_tables->m_thunderball.whole) {}

void ShrinkingStatistics::Remove(const Table& table, Counts& counts, std::size_t index) {
    const HistoryTables& tables = *m_tables;
    const HistoryTables::Appearance* own = &table.appearances[index * table.slots];
    for (std::uint8_t k = 0; k < table.used[index]; ++k) {
        const auto b = static_cast<std::size_t>(own[k].value);
        --counts.count[b];
        // A number no older draw holds goes back to day 0, as in a table counted without it.
        counts.lastDate[b] =
            own[k].nextOlder < 0 ? 0.0 : tables.m_draws[static_cast<std::size_t>(own[k].nextOlder)].date;
        if (!tables.m_dateKeys.empty()) {
            counts.lastKey[b] = tables.DateKey(own[k].nextOlder);
        }
    }
}

void ShrinkingStatistics::RemoveNewest() {
    const HistoryTables& tables = *m_tables;
    if (m_removed >= tables.m_draws.size()) {
        return;
    }
    Remove(tables.m_main, m_main, m_removed);
    if (Info(tables.m_game).extraStatistics) {
        Remove(tables.m_thunderball, m_thunderball, m_removed);
    }
    ++m_removed;
}

void ShrinkingStatistics::Fill(const Table& table, const Counts& counts, OneBased<FrequencyRec>& frequency,
                               OneBased<LastDrawnRec>& lastDrawn) const {
    const auto n = static_cast<std::size_t>(table.n);
    frequency.Resize(n);
    lastDrawn.Resize(n);
    // Ball b is element b of both sorts.
    std::array<std::uint8_t, kMostOrdered + 1> order{};
    if (ShellSortOrder(counts.count.data(), table.n, order.data())) {
        for (std::size_t i = 1; i <= n; ++i) {
            const std::uint8_t b = order[i];
            frequency[i] = FrequencyRec{static_cast<std::int16_t>(b), counts.count[b]};
        }
    } else {
        for (std::size_t b = 1; b <= n; ++b) {
            frequency[b] = FrequencyRec{static_cast<std::int16_t>(b), counts.count[b]};
        }
        SortFrequencies(frequency);
    }
    if (!m_tables->m_dateKeys.empty() && ShellSortOrder(counts.lastKey.data(), table.n, order.data())) {
        for (std::size_t i = 1; i <= n; ++i) {
            const std::uint8_t b = order[i];
            lastDrawn[i] = LastDrawnRec{counts.lastDate[b], static_cast<std::int16_t>(b)};
        }
    } else {
        for (std::size_t b = 1; b <= n; ++b) {
            lastDrawn[b] = LastDrawnRec{counts.lastDate[b], static_cast<std::int16_t>(b)};
        }
        SortLastDrawn(lastDrawn);
    }
}

const GameStatistics& ShrinkingStatistics::Sorted() {
    if (Info(m_tables->m_game).extraStatistics) {
        Fill(m_tables->m_thunderball, m_thunderball, m_sorted.ThunderballFrequency,
             m_sorted.ThunderballLastDrawn);
    }
    Fill(m_tables->m_main, m_main, m_sorted.BallFrequency, m_sorted.BallLastDrawn);
    return m_sorted;
}

}  // namespace quintara
