#include <gtest/gtest.h>

#include "core/Search.h"
#include "support/HistoryBuilder.h"

namespace quintara {
namespace {

TEST(SearchTest, NumberSearchFindsMainAndCountedExtraBallsOldestFirstWithinTheBrowsableDraws) {
    const auto lotto = test::HistoryBuilder<LottoDrawRec>()
                           .Draw({1, 2, 3, 4, 5, 6}, 7)
                           .Draw({11, 12, 13, 14, 15, 16}, 1)
                           .Draw({1, 22, 23, 24, 25, 26}, 27)
                           .Draw({31, 32, 33, 34, 35, 36}, 37)
                           .Draws();
    EXPECT_EQ(FindNumberOccurrences(lotto, 4, 1), (std::vector<std::int16_t>{3, 2, 1}));  // bonus 1 counts
    EXPECT_EQ(FindNumberOccurrences(lotto, 4, 36), (std::vector<std::int16_t>{4}));
    EXPECT_TRUE(FindNumberOccurrences(lotto, 4, 49).empty());

    // A Thunderball is not one of the counted balls of a number search.
    const auto thunderball = test::HistoryBuilder<ThunderballDrawRec>().Draw({1, 2, 3, 4, 5}, 9).Draws();
    EXPECT_TRUE(FindNumberOccurrences(thunderball, 1, 9).empty());
    EXPECT_EQ(FindNumberOccurrences(thunderball, 1, 5), (std::vector<std::int16_t>{1}));

    // LastDraw beyond what is loaded (a failed load leaves it): only loaded draws are walked.
    EXPECT_EQ(BrowsableDraws(thunderball, 40), 1);
    EXPECT_EQ(FindNumberOccurrences(thunderball, 40, 5), (std::vector<std::int16_t>{1}));
}

TEST(SearchTest, DateSearchFindsTheNewestDrawOfTheDayOrNothing) {
    const double day = SerialFromCivil({2010, 5, 29});
    const auto draws = test::HistoryBuilder<LottoDrawRec>()
                           .Draw({1, 2, 3, 4, 5, 6}, 7)
                           .Draw({1, 2, 3, 4, 5, 6}, 7, day)
                           .Draw({1, 2, 3, 4, 5, 6}, 7, day)
                           .Draws();
    EXPECT_EQ(FindDrawByDate(draws, 3, day), 2);
    EXPECT_EQ(FindDrawByDate(draws, 3, SerialFromCivil({2010, 6, 1})), 1);
    EXPECT_EQ(FindDrawByDate(draws, 3, day - 1), std::nullopt);
    EXPECT_EQ(FindDrawByDate(draws, 1, day), std::nullopt);
}

}  // namespace
}  // namespace quintara
