#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/TypedNumbers.h"

namespace quintara {
namespace {

TEST(TypedNumbersTest, FirstFaultInOrderWithDuplicatesByValue) {
    const struct {
        std::vector<std::string> texts;
        TypedNumberFault fault;
        std::size_t position;
    } cases[] = {
        {{"7", "07"}, TypedNumberFault::Duplicate, 2},
        {{"4", "1", "3.5"}, TypedNumberFault::Duplicate, 3},
        {{"1", "", "x"}, TypedNumberFault::Empty, 2},
        {{"1", "x"}, TypedNumberFault::NotNumeric, 2},
        {{"1", "49.5"}, TypedNumberFault::OutOfRange, 2},
        {{"1e9"}, TypedNumberFault::OutOfRange, 1},
        {{"9", "50", "9"}, TypedNumberFault::OutOfRange, 2},
    };
    for (const auto& c : cases) {
        const auto check = CheckTypedNumbers(c.texts, 49);
        ASSERT_FALSE(check) << c.texts.back();
        EXPECT_EQ(check.error().fault, c.fault) << c.texts.back();
        EXPECT_EQ(check.error().position, c.position) << c.texts.back();
    }

    const std::vector<std::string> good{"1", " 2 ", "2.5e1", "48.5", "3.5"};
    const auto check = CheckTypedNumbers(good, 49);
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(check->ToVector(), (std::vector<std::int16_t>{1, 2, 25, 48, 4}));
}

}  // namespace
}  // namespace quintara
