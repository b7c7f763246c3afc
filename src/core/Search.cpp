#include "core/Search.h"

#include <algorithm>

#include "core/Draws.h"
#include "core/Statistics.h"

namespace quintara {

int BrowsableDraws(const AppState& state) {
    const int loaded = WithDrawRecord(state.CurrentGameId(), [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        return static_cast<int>(state.Draws<Rec>().Size());
    });
    return std::min<int>(state.LastDraw, loaded);
}

std::vector<std::int16_t> FindNumberOccurrences(const AppState& state, int number) {
    std::vector<std::int16_t> matches;
    const int newestFirst = BrowsableDraws(state);
    WithDrawRecord(state.CurrentGameId(), [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto& draws = state.Draws<Rec>();
        for (int index = newestFirst; index >= 1; --index) {
            const CountedDraw counted = Counted(draws[static_cast<std::size_t>(index)]);
            if (std::find(counted.balls, counted.balls + counted.ballCount, number) !=
                counted.balls + counted.ballCount) {
                matches.push_back(static_cast<std::int16_t>(index));
            }
        }
    });
    return matches;
}

std::optional<int> FindDrawByDate(const AppState& state, double date) {
    const int count = BrowsableDraws(state);
    return WithDrawRecord(state.CurrentGameId(), [&](auto tag) -> std::optional<int> {
        using Rec = typename decltype(tag)::type;
        const auto& draws = state.Draws<Rec>();
        for (int index = 1; index <= count; ++index) {
            if (draws[static_cast<std::size_t>(index)].DrawDate == date) {
                return index;
            }
        }
        return std::nullopt;
    });
}

}  // namespace quintara
