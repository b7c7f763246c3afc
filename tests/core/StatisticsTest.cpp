#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

#include "core/History.h"
#include "core/ShellSort.h"
#include "core/Statistics.h"
#include "support/HistoryBuilder.h"

namespace quintara {
namespace {

std::vector<int> Balls(const OneBased<FrequencyRec>& table) {
    std::vector<int> balls;
    for (const auto& rec : table) {
        balls.push_back(rec.Ball);
    }
    return balls;
}

int CountOf(const OneBased<FrequencyRec>& table, int ball) {
    for (const auto& rec : table) {
        if (rec.Ball == ball) {
            return rec.Count;
        }
    }
    return -1;
}

TEST(StatisticsTest, TheShellSortLeavesEqualKeysInItsOwnOrder) {
    OneBased<FrequencyRec> table{{1, 5}, {2, 7}, {3, 5}, {4, 7}};
    SortFrequencies(table);
    EXPECT_EQ(Balls(table), (std::vector<int>{2, 4, 1, 3}));

    // Not stable: with gap 2 the second 5 overtakes nothing, yet 9 carries 3 past 1.
    OneBased<FrequencyRec> five{{1, 4}, {2, 4}, {3, 9}, {4, 4}, {5, 4}};
    SortFrequencies(five);
    EXPECT_EQ(Balls(five), (std::vector<int>{3, 2, 1, 4, 5}));

    OneBased<LastDrawnRec> dates{{10, 1}, {30, 2}, {20, 3}, {30, 4}};
    SortLastDrawn(dates);
    EXPECT_EQ(dates[1].Ball, 2);
    EXPECT_EQ(dates[2].Ball, 4);
    EXPECT_EQ(dates[4].Ball, 1);

    OneBased<std::int16_t> values{5, 3, 9, 1};
    SortIntegers(values, 4);
    EXPECT_EQ(values, (OneBased<std::int16_t>{1, 3, 5, 9}));
    OneBased<std::int16_t> partly{9, 8, 7, 1};
    SortIntegers(partly, 3);
    EXPECT_EQ(partly, (OneBased<std::int16_t>{7, 8, 9, 1}));
}

TEST(StatisticsTest, TheBranchFreeOrderIsTheShellSortsOrder) {
    std::mt19937 rng(49);
    for (int round = 0; round < 20000; ++round) {
        const int n = 1 + static_cast<int>(rng() % kMostOrdered);
        // Few distinct keys make many ties; 128 fills both words kept in registers; a wide spread reaches the
        // rank words far apart.
        const unsigned spread =
            std::array<unsigned, 4>{3, 60, 128, 4095}[static_cast<std::size_t>(round % 4)];
        std::vector<std::int32_t> keys(static_cast<std::size_t>(n) + 1);
        std::vector<std::int16_t> balls(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) {
            keys[static_cast<std::size_t>(i)] = -2000 + static_cast<std::int32_t>(rng() % spread);
            balls[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
        }
        std::vector<std::uint8_t> order(static_cast<std::size_t>(n) + 1);
        ASSERT_TRUE(ShellSortOrder(keys.data(), n, order.data()));
        ShellSortPasses(keys.data(), balls.data(), n, [](std::int32_t a, std::int32_t b) { return a >= b; });
        for (int i = 1; i <= n; ++i) {
            ASSERT_EQ(order[static_cast<std::size_t>(i)], balls[static_cast<std::size_t>(i)])
                << "round " << round << ", n " << n << ", position " << i;
        }
    }

    // The first of a short run, found without sorting; equal dates are the point.
    for (int round = 0; round < 20000; ++round) {
        const int n = 1 + static_cast<int>(rng() % 7);
        std::vector<double> dates(static_cast<std::size_t>(n) + 1);
        std::vector<std::int16_t> balls(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) {
            dates[static_cast<std::size_t>(i)] =
                40000.0 + static_cast<double>(rng() % static_cast<unsigned>(1 + round % 5));
            balls[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
        }
        const int first = ShellSortFirst(dates.data(), n);
        ShellSortPasses(dates.data(), balls.data(), n, [](double a, double b) { return a >= b; });
        ASSERT_EQ(first, balls[1]) << "round " << round;
    }
    const std::vector<double> notANumber{0.0, 1.0, std::nan("")};
    EXPECT_EQ(ShellSortFirst(notANumber.data(), 2), 0);
    EXPECT_EQ(ShellSortFirst(std::vector<double>(9, 1.0).data(), 8), 0);

    // Too many elements, or keys too far apart, are left to the insertions.
    std::vector<std::int32_t> keys(65, 0);
    std::vector<std::uint8_t> order(65, 0);
    EXPECT_FALSE(ShellSortOrder(keys.data(), 64, order.data()));
    keys[2] = 4096;
    EXPECT_FALSE(ShellSortOrder(keys.data(), 2, order.data()));
    EXPECT_EQ(order[1], 0);
}

TEST(StatisticsTest, LottoCountsTheBonusBallOncePerDrawAndIgnoresDamagedValues) {
    test::HistoryBuilder<LottoDrawRec> history;
    history
        .Draw({1, 2, 3, 4, 5, 6}, 49)       // newest
        .Draw({1, 1, 7, 8, 9, 10}, 11)      // 1 twice counts once
        .Draw({1, 50, -3, 0, 12, 13}, 14);  // damaged values are not counted
    const auto stats = ComputeStatistics(Game::Lotto, history.Draws());
    ASSERT_EQ(stats.BallFrequency.Size(), 49u);
    EXPECT_EQ(stats.BallFrequency[1], (FrequencyRec{1, 3}));
    EXPECT_EQ(CountOf(stats.BallFrequency, 49), 1);
    EXPECT_EQ(CountOf(stats.BallFrequency, 14), 1);
    EXPECT_EQ(CountOf(stats.BallFrequency, 48), 0);
    // Newest first; a ball never drawn sits at day 0, older than every draw.
    EXPECT_EQ(stats.BallLastDrawn[1].DrawDate, history.Draws()[1].DrawDate);
    EXPECT_EQ(stats.BallLastDrawn[49].DrawDate, 0);
    EXPECT_TRUE(stats.ThunderballFrequency.Empty());
    EXPECT_EQ(FrequencyItems(stats.BallFrequency)[0], "Number 1 has occured 3 times.");
}

TEST(StatisticsTest, ThunderballKeepsItsOwnTables) {
    test::HistoryBuilder<ThunderballDrawRec> history;
    history.Draw({1, 2, 3, 4, 14}, 14).Draw({5, 6, 7, 8, 34}, 3).Draw({5, 9, 10, 11, 12}, 3);
    const auto stats = ComputeStatistics(Game::Thunderball, history.Draws());
    ASSERT_EQ(stats.BallFrequency.Size(), 34u);
    ASSERT_EQ(stats.ThunderballFrequency.Size(), 14u);
    EXPECT_EQ(stats.ThunderballFrequency[1], (FrequencyRec{3, 2}));
    EXPECT_EQ(stats.ThunderballFrequency[2], (FrequencyRec{14, 1}));
    EXPECT_EQ(stats.ThunderballLastDrawn[1], (LastDrawnRec{history.Draws()[1].DrawDate, 14}));
    EXPECT_EQ(stats.BallFrequency[1], (FrequencyRec{5, 2}));
    // The main 14 was drawn once, as a main ball; the Thunderball 14 does not add to it.
    EXPECT_EQ(CountOf(stats.BallFrequency, 14), 1);
}

TEST(StatisticsTest, TheRealThunderballHistoryCountsEachThunderballOnce) {
    const auto loaded = LoadHistory(Game::Thunderball, QUINTARA_APP_DIR);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(std::get<OneBased<ThunderballDrawRec>>(loaded->draws).Size(), 964u);
    const GameStatistics& stats = loaded->statistics;
    EXPECT_EQ(FrequencyItems(stats.BallFrequency).front(), "Number 4 has occured 159 times.");
    std::int64_t total = 0;
    for (const auto& rec : stats.ThunderballFrequency) {
        total += rec.Count;
    }
    EXPECT_EQ(total, 964);
}

}  // namespace
}  // namespace quintara
