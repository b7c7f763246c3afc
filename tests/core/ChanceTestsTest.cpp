#include <gtest/gtest.h>

#include "core/ChanceTests.h"

namespace quintara {
namespace {

TEST(ChanceTestsTest, UpperTailMatchesPublishedChiSquareTables) {
    // Critical values from the standard tables, given there to three decimals.
    const std::tuple<double, int, double> rows[] = {
        // statistic, degrees of freedom, upper tail
        {3.841, 1, 0.05},   {6.635, 1, 0.01},   {5.991, 2, 0.05},   {14.067, 7, 0.05},
        {22.362, 13, 0.05}, {27.688, 13, 0.01}, {65.171, 48, 0.05}, {47.335, 48, 0.50},
    };
    for (const auto& [statistic, freedom, p] : rows) {
        EXPECT_NEAR(ChiSquareUpperTail(statistic, freedom), p, p * 2e-3) << statistic << " with " << freedom;
    }
    EXPECT_EQ(ChiSquareUpperTail(0, 5), 1.0);
    EXPECT_THROW(ChiSquareUpperTail(1, 0), std::domain_error);
}

TEST(ChanceTestsTest, ChancesAndCountsAsReportsWriteThem) {
    const std::pair<double, const char*> rows[] = {
        {0.4149, "p = 0.41"}, {0.0499999, "p = 0.049"}, {0.003, "p = 0.003"}, {0.0009, "p < 0.001"},
        {0.995, "p > 0.99"},  {0.1, "p = 0.10"},        {0.001, "p = 0.001"},
    };
    for (const auto& [p, text] : rows) {
        EXPECT_EQ(PValueText(p), text) << p;
    }
    EXPECT_EQ(GroupedThousands(2065), "2,065");
    EXPECT_EQ(GroupedThousands(964), "964");
    EXPECT_EQ(GroupedThousands(1234567), "1,234,567");
}

}  // namespace
}  // namespace quintara
