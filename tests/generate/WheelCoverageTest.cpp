#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "generate/WheelCoverage.h"

namespace quintara {
namespace {

using Lines = std::vector<std::vector<int>>;

// Reads the wheel file format strictly: single blanks between decimal numbers, LF line ends, a final LF.
// Anything else gives no lines, so a malformed shipped file fails its test.
Lines ParseWheelLines(std::string_view text) {
    Lines lines;
    if (text.empty() || text.back() != '\n') {
        return {};
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view row = text.substr(0, end);
        text.remove_prefix(end + 1);
        std::vector<int> line;
        for (;;) {
            const std::size_t blank = row.find(' ');
            const std::string_view field = row.substr(0, blank);
            int value = 0;
            const auto [rest, error] = std::from_chars(field.data(), field.data() + field.size(), value);
            if (field.empty() || error != std::errc() || rest != field.data() + field.size() ||
                field[0] == '+') {
                return {};
            }
            line.push_back(value);
            if (blank == std::string_view::npos) {
                break;
            }
            row.remove_prefix(blank + 1);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

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
    EXPECT_EQ(halves.rows[1].guaranteed, 1);
    EXPECT_EQ(halves.rows[2].guaranteed, 2);
    EXPECT_TRUE(MeetsGuarantee(halves, 2, 3));
    EXPECT_FALSE(MeetsGuarantee(halves, 3, 3));
    EXPECT_FALSE(MeetsGuarantee(halves, 2, 2));
    EXPECT_DOUBLE_EQ(ShareAtLeast(halves, 2, 2), 6.0 / 15.0);
    EXPECT_DOUBLE_EQ(ShareAtLeast(halves, 3, 3), 2.0 / 20.0);
    EXPECT_DOUBLE_EQ(ShareAtLeast(halves, 0, 3), 1.0);

    // A number in no line (5) and a line over 1..4 with a repeated line: drawing 5 alone matches nothing.
    const WheelCoverage gap = ComputeCoverage({{1, 2}, {3, 4}, {1, 2}}, 5);
    EXPECT_EQ(gap.rows[0].countByMatch, (std::vector<std::uint64_t>{1, 4}));
    EXPECT_EQ(gap.rows[0].guaranteed, 0);
    EXPECT_EQ(gap.rows[1].countByMatch, (std::vector<std::uint64_t>{0, 8, 2}));
    EXPECT_FALSE(MeetsGuarantee(gap, 1, 1));

    // The Fano plane: every pair in exactly one line of three, so 2 if 2 and no 3 if 3 beyond the lines.
    const Lines fano{{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {2, 4, 6}, {2, 5, 7}, {3, 4, 7}, {3, 5, 6}};
    const WheelCoverage plane = ComputeCoverage(fano, 7);
    EXPECT_TRUE(MeetsGuarantee(plane, 2, 2));
    EXPECT_EQ(plane.rows[2].countByMatch, (std::vector<std::uint64_t>{0, 0, 28, 7}));

    // Rows stop at the smaller of the line length and the numbers; the asked-for rows beyond give nothing.
    const WheelCoverage whole = ComputeCoverage({{1, 2, 3}}, 3);
    EXPECT_EQ(whole.rows.size(), 3U);
    EXPECT_EQ(whole.rows[2].countByMatch, (std::vector<std::uint64_t>{0, 0, 0, 1}));
    EXPECT_FALSE(MeetsGuarantee(whole, 1, 4));
    EXPECT_FALSE(MeetsGuarantee(whole, 1, 0));
    EXPECT_DOUBLE_EQ(ShareAtLeast(whole, 1, 4), 0.0);

    EXPECT_TRUE(ComputeCoverage({}, 10).rows.empty());
    EXPECT_THROW(ComputeCoverage({{1, 2, 11}}, 10), std::invalid_argument);
    EXPECT_THROW(ComputeCoverage({{0, 2, 3}}, 10), std::invalid_argument);
    EXPECT_THROW(ComputeCoverage({{1, 2}}, 65), std::invalid_argument);
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

TEST(WheelCoverageTest, ParsesOnlyTheStrictWheelFormat) {
    EXPECT_EQ(ParseWheelLines("1 2 3\n14 5 6\n"), (Lines{{1, 2, 3}, {14, 5, 6}}));
    EXPECT_TRUE(ParseWheelLines("1 2 3").empty());
    EXPECT_TRUE(ParseWheelLines("1  2 3\n").empty());
    EXPECT_TRUE(ParseWheelLines("1 2 3\r\n").empty());
    EXPECT_TRUE(ParseWheelLines("1 2 3 \n").empty());
    EXPECT_TRUE(ParseWheelLines("1 +2 3\n").empty());
    EXPECT_TRUE(ParseWheelLines("1 2 3\n\n").empty());
}

// One shipped wheel: its shape and every guarantee it promises.
struct ShippedWheel {
    const char* file;
    int lines;
    int numbers;
    int perLine;
    std::vector<std::pair<int, int>> guarantees;  // (match, drawn)
    double leastShare = 0.0;                      // of the first pair below, when set
    std::pair<int, int> sharedGuarantee{0, 0};
    int minLinesPerNumber = 1;
    int maxLinesPerNumber = 0;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(WheelCoverageTest, ShippedWheelsKeepTheirShapeAndGuarantees) {
    const std::vector<ShippedWheel> wheels{
        {"5 Line Wheel - 1 Number from 28_Lotto.txt", 5, 28, 6, {{1, 1}, {2, 6}}},
        {"10 Line Wheel - 2 Numbers from 28_Lotto.txt", 10, 28, 6, {{2, 4}}},
        {"13 Line Wheel - 1 Pair Reduced from 28_Lotto.txt", 13, 28, 6, {{2, 4}}, 0.85, {2, 3}},
        {"15 Line Wheel 1 Pair from 28_Lotto.txt", 15, 28, 6, {{2, 3}}},
        {"20 Line Wheel - 4 Pairs (11) from 28_Lotto.txt", 20, 28, 6, {{2, 3}}, 0.0, {0, 0}, 4, 5},
        {"21 Line Wheel Max 5 Numbers Same from 28_Lotto.txt", 21, 28, 6, {{2, 3}}, 0.0, {0, 0}, 1, 5},
        {"32 Line Wheel 2 Pairs from 28_Lotto.txt", 32, 28, 6, {{2, 2}}},
        {"33 Line Wheel - 2 Pairs B from 28_Lotto.txt", 33, 28, 6, {{2, 2}}, 0.99, {3, 6}},
        {"75 Line Wheel 5000 Skip from 28_Lotto.txt", 75, 28, 6, {{3, 5}}},
        {"904 Line Wheel from 28_Lotto.txt", 904, 28, 6, {{4, 5}, {3, 3}}},
        {"7 Line Wheel 40 if 3 Numbers from 7_Lotto.txt", 7, 7, 6, {{3, 3}}, 0.0, {0, 0}, 6, 6},
        {"12 Line Wheel 1 Pair from 20_Thunderball.txt", 12, 20, 5, {{2, 3}}},
        {"8 Line Wheel from 20_Thunderball.txt", 8, 20, 5, {{2, 4}}},
        {"3 Line Wheel from 16_DailPlay.txt", 3, 16, 7, {{2, 4}, {3, 7}}},
        {"4 Line Wheel from 16_DailyPlay.txt", 4, 16, 7, {{2, 3}}},
        {"10 Line Wheel frm 16_DailyPlay.txt", 10, 16, 7, {{4, 7}, {3, 5}, {2, 2}}},
    };
    Lines thirtyTwo;
    for (const ShippedWheel& wheel : wheels) {
        SCOPED_TRACE(wheel.file);
        const Lines lines =
            ParseWheelLines(ReadFile(std::string(QUINTARA_SOURCE_DIR "/data/wheels/") + wheel.file));
        ASSERT_EQ(static_cast<int>(lines.size()), wheel.lines);
        std::vector<int> linesPerNumber(static_cast<std::size_t>(wheel.numbers) + 1, 0);
        for (const auto& line : lines) {
            ASSERT_EQ(static_cast<int>(line.size()), wheel.perLine);
            ASSERT_TRUE(std::is_sorted(line.begin(), line.end()));
            ASSERT_EQ(std::adjacent_find(line.begin(), line.end()), line.end());
            ASSERT_GE(line.front(), 1);
            ASSERT_LE(line.back(), wheel.numbers);
            for (int number : line) {
                ++linesPerNumber[static_cast<std::size_t>(number)];
            }
        }
        EXPECT_EQ(std::set<std::vector<int>>(lines.begin(), lines.end()).size(), lines.size());
        for (int number = 1; number <= wheel.numbers; ++number) {
            EXPECT_GE(linesPerNumber[static_cast<std::size_t>(number)], wheel.minLinesPerNumber) << number;
            if (wheel.maxLinesPerNumber != 0) {
                EXPECT_LE(linesPerNumber[static_cast<std::size_t>(number)], wheel.maxLinesPerNumber)
                    << number;
            }
        }

        const WheelCoverage coverage = ComputeCoverage(lines, wheel.numbers);
        for (const auto& [match, drawn] : wheel.guarantees) {
            EXPECT_TRUE(MeetsGuarantee(coverage, match, drawn)) << match << " if " << drawn;
        }
        if (wheel.leastShare > 0.0) {
            const auto [match, drawn] = wheel.sharedGuarantee;
            EXPECT_GE(ShareAtLeast(coverage, match, drawn), wheel.leastShare) << match << " if " << drawn;
        }
        if (wheel.numbers == 7) {
            // The point of this wheel: any three of the seven drawn are in four of its lines.
            for (int a = 1; a <= 7; ++a) {
                for (int b = a + 1; b <= 7; ++b) {
                    for (int c = b + 1; c <= 7; ++c) {
                        const auto holding = std::count_if(lines.begin(), lines.end(), [&](const auto& line) {
                            return std::count_if(line.begin(), line.end(),
                                                 [&](int n) { return n == a || n == b || n == c; }) == 3;
                        });
                        EXPECT_EQ(holding, 4) << a << ' ' << b << ' ' << c;
                    }
                }
            }
        }
        if (wheel.lines == 32) {
            thirtyTwo = lines;
        }
        if (wheel.lines == 33) {
            // "B" is a second design, not the 32-line wheel with a line added.
            std::set<std::vector<int>> shared(thirtyTwo.begin(), thirtyTwo.end());
            const auto inBoth = std::count_if(lines.begin(), lines.end(),
                                              [&](const auto& line) { return shared.count(line) != 0; });
            EXPECT_LT(inBoth, 16);
        }
    }
}

}  // namespace
}  // namespace quintara
