#include <gtest/gtest.h>

#include "core/Search.h"
#include "support/HistoryBuilder.h"

namespace quintara {
namespace {

TEST(SearchTest, NumberSearchFindsMainAndCountedExtraBallsOldestFirstWithinTheBrowsableDraws) {
    AppState state;
    state.LottoDraws = test::HistoryBuilder<LottoDrawRec>()
                           .Draw({1, 2, 3, 4, 5, 6}, 7)
                           .Draw({11, 12, 13, 14, 15, 16}, 1)
                           .Draw({1, 22, 23, 24, 25, 26}, 27)
                           .Draw({31, 32, 33, 34, 35, 36}, 37)
                           .Draws();
    state.LastDraw = 4;
    EXPECT_EQ(FindNumberOccurrences(state, 1), (std::vector<std::int16_t>{3, 2, 1}));  // bonus 1 counts
    EXPECT_EQ(FindNumberOccurrences(state, 36), (std::vector<std::int16_t>{4}));
    EXPECT_TRUE(FindNumberOccurrences(state, 49).empty());

    // A Thunderball is not one of the counted balls of a number search; only the loaded game is searched.
    state.CurrentGame = "Thunderball";
    state.ThunderballDraws = test::HistoryBuilder<ThunderballDrawRec>().Draw({1, 2, 3, 4, 5}, 9).Draws();
    state.LastDraw = 1;
    EXPECT_TRUE(FindNumberOccurrences(state, 9).empty());
    EXPECT_EQ(FindNumberOccurrences(state, 5), (std::vector<std::int16_t>{1}));

    // LastDraw beyond what is loaded (a failed load leaves it): only loaded draws are walked.
    state.LastDraw = 40;
    EXPECT_EQ(BrowsableDraws(state), 1);
    EXPECT_EQ(FindNumberOccurrences(state, 5), (std::vector<std::int16_t>{1}));
}

TEST(SearchTest, DateSearchFindsTheNewestDrawOfTheDayOrNothing) {
    AppState state;
    const double day = SerialFromCivil({2010, 5, 29});
    state.LottoDraws = test::HistoryBuilder<LottoDrawRec>()
                           .Draw({1, 2, 3, 4, 5, 6}, 7)
                           .Draw({1, 2, 3, 4, 5, 6}, 7, day)
                           .Draw({1, 2, 3, 4, 5, 6}, 7, day)
                           .Draws();
    state.LastDraw = 3;
    EXPECT_EQ(FindDrawByDate(state, day), 2);
    EXPECT_EQ(FindDrawByDate(state, SerialFromCivil({2010, 6, 1})), 1);
    EXPECT_EQ(FindDrawByDate(state, day - 1), std::nullopt);
    state.LastDraw = 1;
    EXPECT_EQ(FindDrawByDate(state, day), std::nullopt);
}

}  // namespace
}  // namespace quintara
