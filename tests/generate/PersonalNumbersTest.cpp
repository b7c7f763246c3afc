#include <gtest/gtest.h>

#include "generate/PersonalNumbers.h"

namespace quintara {
namespace {

// The typed-number rules themselves are tested with CheckTypedNumbers; here, what each fault says.
TEST(PersonalNumbersTest, EachFaultGivesThePersonalPicksMessageForItsBox) {
    const std::string range = "Please enter a Number between 1 and 34 in each box";
    const std::string different = "Please enter a different Number in each box";
    const struct {
        std::vector<std::string> boxes;
        RefusalCause cause;
        int box;
        std::string title;
        std::string text;
    } cases[] = {
        {{"1", ""}, RefusalCause::Missing, 0, "Missing Numbers(s)", "Please enter Numbers in all boxes"},
        {{"1", "35"}, RefusalCause::OutOfRange, 2, "Incorrect Number", range},
        {{"7", "x"}, RefusalCause::OutOfRange, 2, "Incorrect Number", range},
        {{"7", "07"}, RefusalCause::Duplicate, 2, "Number Same", different},
    };
    for (const auto& c : cases) {
        const auto checked = CheckPersonalNumbers(Game::Thunderball, c.boxes);
        ASSERT_FALSE(checked.has_value()) << c.boxes.back();
        const Refusal& refusal = checked.error();
        EXPECT_EQ(std::tie(refusal.cause, refusal.box, refusal.title, refusal.text),
                  std::tie(c.cause, c.box, c.title, c.text))
            << c.boxes.back();
    }
    EXPECT_EQ(CheckPersonalNumbers(Game::Lotto, std::vector<std::string>{"2.5", "49"}).value(),
              (OneBased<std::int16_t>{2, 49}));
}

}  // namespace
}  // namespace quintara
