#include <gtest/gtest.h>

#include "generate/Catalogue.h"
#include "generate/WheelFile.h"

namespace quintara {
namespace {

TEST(Catalogue, EveryListedWheelHasAFileOfItsGameExceptTheGeneratedOne) {
    for (Game game : kAllGames) {
        const auto algorithms = AlgorithmItems(game);
        ASSERT_FALSE(algorithms.empty());
        for (std::size_t index = 0; index < algorithms.size(); ++index) {
            const auto wheels = WheelItems(game, static_cast<int>(index));
            ASSERT_FALSE(wheels.empty()) << algorithms[index];
            for (const auto& item : wheels) {
                EXPECT_EQ(WheelFileName(game, item).has_value(), item != kFortyNineWheelItem) << item;
            }
        }
        EXPECT_TRUE(WheelItems(game, static_cast<int>(algorithms.size())).empty() &&
                    WheelItems(game, -1).empty());
    }
    // Items are looked up within the game: Thunderball and Daily Play share no wheel with Lotto.
    EXPECT_FALSE(WheelFileName(Game::Thunderball, "904 Line Wheel"));
    EXPECT_EQ(WheelFileName(Game::LottoExtra, "7 Line Wheel. £40 if 3 Numbers"),
              "7 Line Wheel 40 if 3 Numbers from 7_Lotto.txt");
    EXPECT_FALSE(WheelFileName(Game::Lotto, kPersonalPicksItem));
    EXPECT_EQ(ItemIndex(AlgorithmItems(Game::Lotto), kSevenNumbersAlgorithm), 2);
}

}  // namespace
}  // namespace quintara
