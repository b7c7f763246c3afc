#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/TypedNumbers.h"

namespace quintara {
namespace {

TEST(TypedBallTest, TypedBallsAreNumbersInRangeComparedByValue) {
    // How a number is read and rounded is TextRulesTest's.
    EXPECT_EQ(TypedBall("7", 49), 7);
    EXPECT_EQ(TypedBall(" 07 ", 49), 7);
    EXPECT_EQ(TypedBall("49", 49), 49);
    for (const char* refused : {"", "0", "0.6", "50", "49.4", "-1", "7a", "seven", "."}) {
        EXPECT_EQ(TypedBall(refused, 49), std::nullopt) << refused;
    }

    EXPECT_TRUE(SameTypedNumber("5", "05") && SameTypedNumber("5", " 5.0") && SameTypedNumber("2", "2.5"));
    EXPECT_FALSE(SameTypedNumber("5", "6") || SameTypedNumber("5", "") || SameTypedNumber("", "x"));
    EXPECT_TRUE(SameTypedNumber("x", "x"));

    const std::int16_t earlier[] = {3, 9, 27};
    EXPECT_TRUE(IsDuplicateBall(9, earlier));
    EXPECT_FALSE(IsDuplicateBall(4, earlier));
}

TEST(TypedNumbersTest, FirstFaultInOrderWithDuplicatesByValue) {
    const std::tuple<std::vector<std::string>, TypedNumberFault, std::size_t> cases[] = {
        // texts, fault, where
        {{"7", "07"}, TypedNumberFault::Duplicate, 2},
        {{"4", "1", "3.5"}, TypedNumberFault::Duplicate, 3},
        {{"1", "", "x"}, TypedNumberFault::Empty, 2},
        {{"1", "x"}, TypedNumberFault::NotNumeric, 2},
        {{"1", "49.5"}, TypedNumberFault::OutOfRange, 2},
        {{"1e9"}, TypedNumberFault::OutOfRange, 1},
        {{"9", "50", "9"}, TypedNumberFault::OutOfRange, 2},
    };
    for (const auto& [texts, fault, position] : cases) {
        const auto check = CheckTypedNumbers(texts, 49);
        ASSERT_FALSE(check) << texts.back();
        EXPECT_EQ(std::pair(check.error().fault, check.error().position), std::pair(fault, position))
            << texts.back();
    }

    const std::vector<std::string> good{"1", " 2 ", "2.5e1", "48.5", "3.5"};
    const auto check = CheckTypedNumbers(good, 49);
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(check->ToVector(), (std::vector<std::int16_t>{1, 2, 25, 48, 4}));
}

}  // namespace
}  // namespace quintara
