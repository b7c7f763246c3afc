#include <gtest/gtest.h>

#include "core/TypedNumbers.h"

namespace quintara {
namespace {

TEST(TypedBallTest, TypedBallsAreNumbersInRangeComparedByValue) {
    EXPECT_EQ(TypedBall("7", 49), 7);
    EXPECT_EQ(TypedBall(" 07 ", 49), 7);
    EXPECT_EQ(TypedBall("2.5", 49), 2);
    EXPECT_EQ(TypedBall("3.5", 49), 4);
    EXPECT_EQ(TypedBall("49", 49), 49);
    EXPECT_EQ(TypedBall("1", 14), 1);
    for (const char* refused : {"", "0", "0.6", "50", "49.4", "-1", "7a", "seven", "."}) {
        EXPECT_EQ(TypedBall(refused, 49), std::nullopt) << refused;
    }
    EXPECT_EQ(TypedBall("15", 14), std::nullopt);

    EXPECT_TRUE(SameTypedNumber("5", "05"));
    EXPECT_TRUE(SameTypedNumber("5", " 5.0"));
    EXPECT_TRUE(SameTypedNumber("2", "2.5"));
    EXPECT_FALSE(SameTypedNumber("5", "6"));
    EXPECT_FALSE(SameTypedNumber("5", ""));
    EXPECT_FALSE(SameTypedNumber("", "x"));
    EXPECT_TRUE(SameTypedNumber("x", "x"));

    const std::int16_t earlier[] = {3, 9, 27};
    EXPECT_TRUE(IsDuplicateBall(9, earlier));
    EXPECT_FALSE(IsDuplicateBall(4, earlier));
}

}  // namespace
}  // namespace quintara
