#include <gtest/gtest.h>
#include <set>

#include "StatisticsFixtures.h"
#include "core/History.h"
#include "generate/FortyNineGenerator.h"
#include "generate/GenerateError.h"
#include "support/FortyNineReference.h"

namespace quintara {
namespace {

using Line = std::vector<int>;

LottoDrawRec Draw(std::initializer_list<int> balls, int bonus) {
    LottoDrawRec draw;
    std::copy(balls.begin(), balls.end(), draw.Balls.begin());
    draw.BonusBall = static_cast<std::int16_t>(bonus);
    return draw;
}

// Last-drawn order = ball order, so the walk over positions 49..20 yields balls 49, 48, ..., 20.
OneBased<LastDrawnRec> IdentityLastDrawn() {
    OneBased<LastDrawnRec> table;
    for (int b = 1; b <= 49; ++b) {
        table.PushBack(LastDrawnRec{50000.0 - b, static_cast<std::int16_t>(b)});
    }
    return table;
}

// What a run must give: its line count, its first lines, its last line and a digest of every ball of
// every line in order, so that a change anywhere in the run shows.
struct Expected {
    std::size_t count;
    std::vector<Line> first;
    Line last;
    std::uint64_t digest;
};

// Runs the generator and checks the lines against `expected` and against what every run must keep:
// six different balls of 1..49 ascending, no line a past draw, no line twice.
void ExpectRun(const OneBased<LottoDrawRec>& history, const OneBased<FrequencyRec>& frequency,
               const OneBased<LastDrawnRec>& lastDrawn, const Expected& expected) {
    const auto run = GenerateFortyNineLines(history, frequency, lastDrawn);
    EXPECT_EQ(GenerateFortyNineLines(history, frequency, lastDrawn), run) << "the same inputs, other lines";
    std::set<Line> past;
    for (const auto& draw : history) {
        Line balls(draw.Balls.begin(), draw.Balls.end());
        std::sort(balls.begin(), balls.end());
        past.insert(balls);
    }
    std::vector<Line> lines;
    std::set<Line> seen;
    std::uint64_t digest = 0;
    for (const auto& rec : run) {
        const Line& line = lines.emplace_back(rec.Balls.begin(), rec.Balls.end());
        EXPECT_TRUE(line.front() >= 1 && line.back() <= 49 &&
                    std::adjacent_find(line.begin(), line.end(), std::greater_equal<>()) == line.end());
        EXPECT_FALSE(past.count(line)) << "a past draw was kept";
        EXPECT_TRUE(seen.insert(line).second) << "a line was kept twice";
        for (int ball : line) {
            digest = digest * 31 + static_cast<std::uint64_t>(ball);
        }
    }
    ASSERT_EQ(lines.size(), expected.count);
    EXPECT_EQ(
        std::vector<Line>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(expected.first.size())),
        expected.first);
    EXPECT_EQ(lines.back(), expected.last);
    EXPECT_EQ(digest, expected.digest);
}

TEST(FortyNineGenerator, BuildsLinesFromTheCountersAndDropsPastDrawsWithoutCountingThem) {
    // Line 1: N1 = Ball1, N2 the most frequent, three balls of the walk, pivot 1 searched upward. The second
    // candidate, 2 3 10 44 45 46, is the second past draw and is dropped.
    ExpectRun(
        {Draw({1, 2, 3, 4, 5, 6}, 7), Draw({46, 3, 10, 45, 2, 44}, 9)}, test::FrequencyInOrder({10}),
        IdentityLastDrawn(),
        {150,
         {{1, 2, 10, 47, 48, 49}, {2, 9, 10, 41, 42, 43}, {2, 10, 11, 38, 39, 40}, {3, 9, 10, 35, 36, 37}},
         {1, 2, 10, 20, 21, 22},
         7974383227068419335u});
}

TEST(FortyNineGenerator, KeepsEveryLineFreeOfRepeatedNumbers) {
    // The newest ball is the most frequent: N2 comes from the walk, and pivot 1 searches upward.
    ExpectRun({Draw({1, 20, 21, 22, 23, 24}, 25)}, test::FrequencyInOrder({1}), IdentityLastDrawn(),
              {163, {{1, 2, 46, 47, 48, 49}}, {1, 20, 21, 22, 24, 25}, 12779257809383195080u});
    // Pivot 2 searching downward meets 1, already in the line, on the bound: it turns upward instead.
    ExpectRun({Draw({2, 20, 21, 22, 23, 24}, 25)}, test::FrequencyInOrder({1}), IdentityLastDrawn(),
              {212, {{1, 2, 3, 47, 48, 49}}, {1, 2, 23, 36, 37, 38}, 14789836830618419583u});
}

TEST(FortyNineGenerator, GivesTheKnownLinesOfTheRealHistory) {
    const auto history = ReadHistory<LottoDrawRec>(QUINTARA_APP_DIR, false).value();
    const GameStatistics stats = ComputeStatistics(Game::Lotto, history);
    ExpectRun(history, stats.BallFrequency, stats.BallLastDrawn,
              {595,
               {{13, 16, 29, 30, 38, 47}, {1, 7, 8, 15, 38, 39}, {7, 19, 34, 37, 38, 48}},
               {7, 26, 37, 38, 39, 41},
               11427762297385686414u});
}

// The fast generator against the straightforward one, which walks the history for every candidate line:
// the real history and the histories as they stood 1 to 300 draws ago (so each meets its end differently:
// 44 draws ago, the 99th repeat comes with 565 lines kept and two more are found before the 100th).
TEST(FortyNineGenerator, MakesTheStraightforwardVersionsLinesOnEveryHistory) {
    const auto history = ReadHistory<LottoDrawRec>(QUINTARA_APP_DIR, false).value();
    for (const std::size_t dropped : {0UL, 1UL, 7UL, 44UL, 120UL, 300UL}) {
        OneBased<LottoDrawRec> older;
        for (std::size_t i = dropped + 1; i <= history.Size(); ++i) {
            older.PushBack(history[i]);
        }
        const GameStatistics stats = ComputeStatistics(Game::Lotto, older);
        EXPECT_EQ(GenerateFortyNineLines(older, stats.BallFrequency, stats.BallLastDrawn),
                  reference::ReferenceFortyNineLines(older, stats.BallFrequency, stats.BallLastDrawn).lines)
            << dropped << " newest draws dropped";
    }
}

TEST(FortyNineGenerator, RefusesInputsItCannotStartFrom) {
    const auto frequency = test::FrequencyInOrder({10});
    EXPECT_THROW(GenerateFortyNineLines({}, frequency, IdentityLastDrawn()), GenerateError);
    EXPECT_THROW(GenerateFortyNineLines({Draw({1, 2, 3, 4, 5, 6}, 0)}, frequency, IdentityLastDrawn()),
                 GenerateError);
    EXPECT_THROW(GenerateFortyNineLines({Draw({1, 2, 3, 4, 5, 6}, 7)}, {}, IdentityLastDrawn()),
                 GenerateError);
}

}  // namespace
}  // namespace quintara
