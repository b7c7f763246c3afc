#include <gtest/gtest.h>

#include "generate/PersonalNumbers.h"

namespace quintara {
namespace {

// The typed-number rules themselves are tested with CheckTypedNumbers; here, what each fault says.
TEST(PersonalNumbersTest, EachFaultGivesThePersonalPicksMessageForItsBox) {
    using Problem = PersonalRefusal::Problem;
    const struct {
        std::vector<std::string> boxes;
        Problem problem;
        int box;
        const char* title;
        const char* text;
    } cases[] = {
        {{"1", ""}, Problem::Missing, 2, "Missing Numbers(s)", "Please enter Numbers in all boxes"},
        {{"1", "35"},
         Problem::OutOfRange,
         2,
         "Incorrect Number",
         "Please enter a Number between 1 and 34 in each box"},
        {{"7", "x"},
         Problem::OutOfRange,
         2,
         "Incorrect Number",
         "Please enter a Number between 1 and 34 in each box"},
        {{"7", "07"}, Problem::Duplicate, 2, "Number Same", "Please enter a different Number in each box"},
    };
    for (const auto& c : cases) {
        const auto checked = CheckPersonalNumbers(Game::Thunderball, c.boxes);
        ASSERT_FALSE(checked.Ok()) << c.boxes.back();
        EXPECT_EQ(checked.GetError().problem, c.problem) << c.boxes.back();
        EXPECT_EQ(checked.GetError().box, c.box);
        EXPECT_EQ(checked.GetError().title, c.title);
        EXPECT_EQ(checked.GetError().text, c.text);
    }
    EXPECT_EQ(CheckPersonalNumbers(Game::Lotto, std::vector<std::string>{"2.5", "49"}).Value(),
              (OneBased<std::int16_t>{2, 49}));
}

}  // namespace
}  // namespace quintara
