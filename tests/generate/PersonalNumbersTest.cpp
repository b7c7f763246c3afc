#include <gtest/gtest.h>

#include "generate/PersonalNumbers.h"

namespace quintara {
namespace {

using Problem = PersonalRefusal::Problem;

TEST(PersonalNumbersTest, BoxesAreCheckedInOrderAndNumbersComparedByValue) {
    struct Case {
        Game game;
        std::vector<std::string> boxes;
        Problem problem;
        int box;
    };
    const std::vector<Case> refused{
        {Game::Lotto, {"1", "", "50"}, Problem::Missing, 2},
        {Game::Lotto, {"1", "50", ""}, Problem::OutOfRange, 2},
        {Game::Lotto, {"0", "2"}, Problem::OutOfRange, 1},
        {Game::Lotto, {"7", "x7"}, Problem::OutOfRange, 2},
        {Game::Thunderball, {"1", "35"}, Problem::OutOfRange, 2},
        {Game::Lotto, {"7", "07"}, Problem::Duplicate, 2},
        {Game::Lotto, {"4", "9", "3.5"}, Problem::Duplicate, 3},  // 3.5 rounds half to even: 4
        {Game::DailyPlay, {"2", " 2 "}, Problem::Duplicate, 2},
    };
    for (const auto& c : refused) {
        const auto checked = CheckPersonalNumbers(c.game, c.boxes);
        ASSERT_FALSE(checked.Ok()) << c.boxes.back();
        EXPECT_EQ(checked.GetError().problem, c.problem) << c.boxes.back();
        EXPECT_EQ(checked.GetError().box, c.box) << c.boxes.back();
    }
    EXPECT_EQ(CheckPersonalNumbers(Game::Thunderball, std::vector<std::string>{"1", "35"}).GetError().text,
              "Please enter a Number between 1 and 34 in each box");

    const auto accepted = CheckPersonalNumbers(Game::Lotto, std::vector<std::string>{"2.5", "3", "49", "07"});
    ASSERT_TRUE(accepted.Ok());
    EXPECT_EQ(accepted.Value(), (OneBased<std::int16_t>{2, 3, 49, 7}));
}

}  // namespace
}  // namespace quintara
