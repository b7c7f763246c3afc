#include <gtest/gtest.h>
#include <tuple>

#include "check/BallValidation.h"

namespace quintara {
namespace {

TEST(BallValidationTest, MessagesAndWhatHappensToTheBox) {
    const std::string range49 = "You must enter a numeric value between 1 and 49 in each box";
    const std::string twice49 = "You must enter a DIFFERENT numeric value between 1 and 49 in each box";
    const std::string twice27 = "You must enter a DIFFERENT numeric value between 1 and 27 in each box";
    struct Verdict {
        bool cancel = false;
        bool emptyBox = false;
        std::string message;
    };
    const struct {
        const char* what;
        Game game;
        CheckBoxes boxes;
        int position;
        Verdict verdict;
    } cases[] = {
        {"a number in range", Game::Lotto, {"7", "8"}, 2, {}},
        {"not a number", Game::Lotto, {"7", "x"}, 2, {true, true, range49}},
        {"an empty box", Game::Lotto, {""}, 1, {true, true, range49}},
        {"out of range keeps the text", Game::Lotto, {"50"}, 1, {true, false, range49}},
        {"07 after 7", Game::Lotto, {"7", "07"}, 2, {true, true, twice49}},
        {"2.5 after 4 is 2", Game::Lotto, {"4", "2.5"}, 2, {}},
        {"bonus vs the six", Game::Lotto, {"1", "2", "3", "4", "5", "6", " 6 "}, 7, {true, true, twice49}},
        {"Daily Play's 7th", Game::DailyPlay, {"1", "2", "3", "4", "5", "6", "1"}, 7, {true, true, twice27}},
        {"a hidden box is not compared", Game::LottoExtra, {"1", "2", "3", "4", "5", "6", "6"}, 6, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Checked ball = ValidateBall(c.game, c.boxes, c.position);
        ASSERT_EQ(!ball, c.verdict.cancel);
        if (!ball) {
            EXPECT_EQ(std::tie(ball.error().box, ball.error().emptyBox, ball.error().text),
                      std::tie(c.position, c.verdict.emptyBox, c.verdict.message));
        }
    }
}

TEST(BallValidationTest, AllBoxesBeforeACheck) {
    EXPECT_TRUE(ValidateBoxes(Game::Lotto, {"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_TRUE(ValidateBoxes(Game::Thunderball, {"1", "2", "3", "4", "5"}));

    const auto empty = ValidateBoxes(Game::Lotto, {"1", "2", "3", "4", "5", "6", ""});
    ASSERT_FALSE(empty.has_value());
    EXPECT_EQ(std::tie(empty.error().box, empty.error().title, empty.error().text),
              std::tuple(7, "Enter Numbers", "Please enter a number in each of boxes 1-6 and Bonus Ball"));
    EXPECT_EQ(ValidateBoxes(Game::DailyPlay, {"1"}).error().text,
              "Please enter a number in each of boxes 1-7");

    const auto twice = ValidateBoxes(Game::Thunderball, {"9", "1", "2", "09", "3"});
    ASSERT_FALSE(twice.has_value());
    EXPECT_EQ(std::tie(twice.error().box, twice.error().title, twice.error().text),
              std::tuple(4, "Input Error",
                         "You must enter a DIFFERENT numeric value between 1 and 34 in each box"));
}

}  // namespace
}  // namespace quintara
