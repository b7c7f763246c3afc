#include <algorithm>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "generate/Catalogue.h"
#include "generate/WheelCoverage.h"
#include "generate/WheelFile.h"

namespace quintara {
namespace {

using Lines = std::vector<std::vector<int>>;

// Straightforward reference: every m-subset as a mask, its best line by popcount.
std::vector<std::uint64_t> CountByMatchReference(const Lines& lines, int numbers, int drawn) {
    std::vector<std::uint32_t> masks;
    for (const auto& line : lines) {
        std::uint32_t mask = 0;
        for (int number : line) {
            mask |= 1U << (number - 1);
        }
        masks.push_back(mask);
    }
    std::vector<std::uint64_t> counts(static_cast<std::size_t>(drawn) + 1, 0);
    for (std::uint32_t subset = 0; subset < (1U << numbers); ++subset) {
        if (std::popcount(subset) != drawn) {
            continue;
        }
        int best = 0;
        for (std::uint32_t mask : masks) {
            best = std::max(best, std::popcount(mask & subset));
        }
        ++counts[static_cast<std::size_t>(best)];
    }
    return counts;
}

TEST(WheelCoverageTest, CountsBestMatchesOfHandCheckableWheels) {
    // Two disjoint lines over 1..6: of the 20 triples, 2 lie in one line and 18 split two and one.
    const WheelCoverage halves = ComputeCoverage({{1, 2, 3}, {4, 5, 6}}, 6);
    ASSERT_EQ(halves.perLine, 3);
    ASSERT_EQ(halves.rows.size(), 3U);
    EXPECT_EQ(halves.rows[0].countByMatch, (std::vector<std::uint64_t>{0, 6}));
    EXPECT_EQ(halves.rows[1].countByMatch, (std::vector<std::uint64_t>{0, 9, 6}));
    EXPECT_EQ(halves.rows[2].countByMatch, (std::vector<std::uint64_t>{0, 0, 18, 2}));
    EXPECT_EQ(halves.rows[2].subsets, 20U);
    EXPECT_EQ(std::pair(halves.rows[1].guaranteed, halves.rows[2].guaranteed), std::pair(1, 2));
    EXPECT_TRUE(MeetsGuarantee(halves, 2, 3));
    EXPECT_FALSE(MeetsGuarantee(halves, 3, 3) || MeetsGuarantee(halves, 2, 2));
    EXPECT_DOUBLE_EQ(ShareAtLeast(halves, 2, 2), 6.0 / 15.0);
    EXPECT_DOUBLE_EQ(ShareAtLeast(halves, 3, 3), 2.0 / 20.0);
    EXPECT_DOUBLE_EQ(ShareAtLeast(halves, 0, 3), 1.0);

    // A number in no line (5) and a line over 1..4 with a repeated line: drawing 5 alone matches nothing.
    const WheelCoverage gap = ComputeCoverage({{1, 2}, {3, 4}, {1, 2}}, 5);
    EXPECT_EQ(gap.rows[0].countByMatch, (std::vector<std::uint64_t>{1, 4}));
    EXPECT_EQ(gap.rows[0].guaranteed, 0);
    EXPECT_EQ(gap.rows[1].countByMatch, (std::vector<std::uint64_t>{0, 8, 2}));
    EXPECT_FALSE(MeetsGuarantee(gap, 1, 1));

    // Rows stop at the smaller of the line length and the numbers; the asked-for rows beyond give nothing.
    const WheelCoverage whole = ComputeCoverage({{1, 2, 3}}, 3);
    EXPECT_EQ(whole.rows.size(), 3U);
    EXPECT_EQ(whole.rows[2].countByMatch, (std::vector<std::uint64_t>{0, 0, 0, 1}));
    EXPECT_FALSE(MeetsGuarantee(whole, 1, 4) || MeetsGuarantee(whole, 1, 0));
    EXPECT_DOUBLE_EQ(ShareAtLeast(whole, 1, 4), 0.0);

    EXPECT_TRUE(ComputeCoverage({}, 10).rows.empty());
    EXPECT_THROW(ComputeCoverage({{1, 2, 11}}, 10), std::invalid_argument);
    EXPECT_THROW(ComputeCoverage({{0, 2, 3}}, 10), std::invalid_argument);
    EXPECT_THROW(ComputeCoverage({{1, 2}}, 65), std::invalid_argument);
    EXPECT_THROW(ComputeCoverage({{1}}, 0), std::invalid_argument);
    EXPECT_EQ(ComputeCoverage({{1}}, 1).rows.size(), 1U);
}

TEST(WheelCoverageTest, AgreesWithPopcountReferenceOnIrregularWheels) {
    // More than 64 lines, so the line sets span several words; lines of uneven length and overlap.
    Lines lines;
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1103515245U + 12345U;
        return static_cast<int>((state >> 16) % 13U) + 1;
    };
    for (int i = 0; i < 90; ++i) {
        std::set<int> line;
        const std::size_t size = 2 + static_cast<std::size_t>(i % 4);
        while (line.size() < size) {
            line.insert(next());
        }
        lines.emplace_back(line.begin(), line.end());
    }
    const WheelCoverage coverage = ComputeCoverage(lines, 13);
    ASSERT_EQ(coverage.perLine, 5);
    for (int drawn = 1; drawn <= 5; ++drawn) {
        SCOPED_TRACE(drawn);
        EXPECT_EQ(coverage.rows[static_cast<std::size_t>(drawn) - 1].countByMatch,
                  CountByMatchReference(lines, 13, drawn));
    }
}

// One shipped wheel: its game and list item, the numbers it wheels and every guarantee it promises.
struct ShippedWheel {
    Game game;
    std::string_view item;
    int numbers;
    std::vector<std::pair<int, int>> guarantees;  // (match, drawn)
    double leastShare = 0.0;                      // of `shared` below, when set
    std::pair<int, int> shared{0, 0};
    int minLinesPerNumber = 1;
    int maxLinesPerNumber = 1000;
};

// Each wheel file the catalogue names passes the built-in wheel's checks, has the lines its item announces,
// distinct lines, and meets its guarantees over every possible draw.
TEST(WheelCoverageTest, ShippedWheelsKeepTheirShapeAndGuarantees) {
    const std::vector<ShippedWheel> wheels{
        {Game::Lotto, "5 Line Wheel - 1 Number", 28, {{1, 1}, {2, 6}}},
        {Game::Lotto, "10 Line Wheel - 2 Numbers", 28, {{2, 4}}},
        {Game::Lotto, "13 Line Wheel - 1 Pair Reduced", 28, {{2, 4}}, 0.85, {2, 3}},
        {Game::Lotto, "15 Line Wheel - 1 Pair", 28, {{2, 3}}},
        {Game::Lotto, "20 Line Wheel - 4 Pairs (11)", 28, {{2, 3}}, 0.0, {0, 0}, 4, 5},
        {Game::Lotto, "21 Line Wheel - Max 5 Same", 28, {{2, 3}}, 0.0, {0, 0}, 1, 5},
        {Game::Lotto, "32 Line Wheel - 2 Pairs", 28, {{2, 2}}},
        {Game::Lotto, "33 Line Wheel - 2 Pairs B", 28, {{2, 2}}, 0.99, {3, 6}},
        {Game::Lotto, "75 Line Wheel - 5000 Skip", 28, {{3, 5}}},
        {Game::Lotto, "904 Line Wheel", 28, {{4, 5}, {3, 3}}},
        // Seven distinct lines of six from seven are all of them: any three drawn are in four lines.
        {Game::Lotto, "7 Line Wheel. £40 if 3 Numbers", 7, {{3, 3}}},
        {Game::Thunderball, "12 Line Wheel - 1 Pair", 20, {{2, 3}}},
        {Game::Thunderball, "8 Line Wheel", 20, {{2, 4}}},
        {Game::DailyPlay, "3 Line Wheel", 16, {{2, 4}, {3, 7}}},
        {Game::DailyPlay, "4 Line Wheel", 16, {{2, 3}}},
        {Game::DailyPlay, "10 Line Wheel", 16, {{4, 7}, {3, 5}, {2, 2}}},
    };
    std::set<std::string_view> listed;
    for (Game game : {Game::Lotto, Game::Thunderball, Game::DailyPlay}) {
        for (int index = 0; index < static_cast<int>(AlgorithmItems(game).size()); ++index) {
            for (const auto item : WheelItems(game, index)) {
                if (WheelFileName(game, item)) {
                    listed.insert(item);
                }
            }
        }
    }
    EXPECT_EQ(listed.size(), wheels.size());
    std::set<Lines::value_type> thirtyTwo;
    for (const ShippedWheel& wheel : wheels) {
        SCOPED_TRACE(wheel.item);
        EXPECT_TRUE(listed.count(wheel.item));
        const auto file = WheelFileName(wheel.game, wheel.item);
        ASSERT_TRUE(file);
        const auto path = std::filesystem::path(QUINTARA_SOURCE_DIR) / "data" / "wheels" / std::string(*file);
        // Checked as a built-in wheel is before it is selected: no repeated pointer, none out of range.
        const WheelRead read = ReadCheckedWheel(path, wheel.game, wheel.numbers, WheelSource::BuiltIn);
        ASSERT_TRUE(read.has_value()) << read.error().detail;
        ASSERT_EQ(static_cast<int>(read.value().Size()), std::stoi(std::string(wheel.item)));
        Lines lines;
        std::vector<int> linesPerNumber(static_cast<std::size_t>(wheel.numbers) + 1, 0);
        for (const auto& text : read.value()) {
            const auto pointers = WheelPointers(text);
            const std::set<int> line(pointers.begin(), pointers.end());
            for (int number : line) {
                ++linesPerNumber[static_cast<std::size_t>(number)];
            }
            lines.emplace_back(line.begin(), line.end());
        }
        EXPECT_EQ(std::set<Lines::value_type>(lines.begin(), lines.end()).size(), lines.size());
        for (int number = 1; number <= wheel.numbers; ++number) {
            EXPECT_GE(linesPerNumber[static_cast<std::size_t>(number)], wheel.minLinesPerNumber) << number;
            EXPECT_LE(linesPerNumber[static_cast<std::size_t>(number)], wheel.maxLinesPerNumber) << number;
        }

        const WheelCoverage coverage = ComputeCoverage(lines, wheel.numbers);
        for (const auto& [match, drawn] : wheel.guarantees) {
            EXPECT_TRUE(MeetsGuarantee(coverage, match, drawn)) << match << " if " << drawn;
        }
        if (wheel.leastShare > 0.0) {
            const auto [match, drawn] = wheel.shared;
            EXPECT_GE(ShareAtLeast(coverage, match, drawn), wheel.leastShare) << match << " if " << drawn;
        }
        if (lines.size() == 32) {
            thirtyTwo.insert(lines.begin(), lines.end());
        } else if (lines.size() == 33) {
            // "B" is a second design, not the 32-line wheel with a line added.
            EXPECT_LT(
                std::count_if(lines.begin(), lines.end(), [&](const auto& l) { return thirtyTwo.count(l); }),
                16);
        }
    }
}

}  // namespace
}  // namespace quintara
