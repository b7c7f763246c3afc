#include "core/Search.h"

#include <algorithm>

#include "core/Statistics.h"

namespace quintara {

int BrowsableDraws(DrawsView draws, std::int32_t lastDraw) {
    const int loaded =
        std::visit([](const auto& held) { return static_cast<int>(held.get().Size()); }, draws);
    return std::min<int>(lastDraw, loaded);
}

std::vector<std::int16_t> FindNumberOccurrences(DrawsView draws, std::int32_t lastDraw, int number) {
    std::vector<std::int16_t> matches;
    const int newestFirst = BrowsableDraws(draws, lastDraw);
    std::visit(
        [&](const auto& held) {
            for (int index = newestFirst; index >= 1; --index) {
                const CountedDraw counted = Counted(held.get()[static_cast<std::size_t>(index)]);
                if (std::find(counted.balls, counted.balls + counted.ballCount, number) !=
                    counted.balls + counted.ballCount) {
                    matches.push_back(static_cast<std::int16_t>(index));
                }
            }
        },
        draws);
    return matches;
}

std::optional<int> FindDrawByDate(DrawsView draws, std::int32_t lastDraw, double date) {
    const int count = BrowsableDraws(draws, lastDraw);
    return std::visit(
        [&](const auto& held) -> std::optional<int> {
            for (int index = 1; index <= count; ++index) {
                if (held.get()[static_cast<std::size_t>(index)].DrawDate == date) {
                    return index;
                }
            }
            return std::nullopt;
        },
        draws);
}

}  // namespace quintara
