#include <gtest/gtest.h>
#include <set>

#include "FortyNineReference.h"
#include "StatisticsFixtures.h"
#include "core/History.h"
#include "generate/FortyNineGenerator.h"
#include "generate/GenerateError.h"

namespace quintara {
namespace {

LottoDrawRec Draw(std::initializer_list<int> balls, int bonus = 0) {
    LottoDrawRec draw;
    std::size_t i = 0;
    for (int ball : balls) {
        draw.Balls[i++] = static_cast<std::int16_t>(ball);
    }
    draw.BonusBall = static_cast<std::int16_t>(bonus);
    return draw;
}

std::vector<int> Balls(const LottoDrawRec& line) {
    return std::vector<int>(line.Balls.begin(), line.Balls.end());
}

// Last-drawn order = ball order, so the walk over positions 49..20 yields balls 49, 48, ..., 20.
OneBased<LastDrawnRec> IdentityLastDrawn() {
    OneBased<LastDrawnRec> table;
    for (int b = 1; b <= 49; ++b) {
        table.PushBack(LastDrawnRec{50000.0 - b, static_cast<std::int16_t>(b)});
    }
    return table;
}

OneBased<LottoDrawRec> RealLottoHistory() {
    auto draws = ReadHistory<LottoDrawRec>(QUINTARA_APP_DIR, false);
    if (!draws) {
        ADD_FAILURE() << draws.GetError().message;
        return {};
    }
    return std::move(*draws);
}

// Six different balls of 1..49 ascending, no line a past draw, no line twice.
void ExpectSoundLines(const OneBased<LottoDrawRec>& lines, const OneBased<LottoDrawRec>& history) {
    std::set<std::vector<int>> past;
    for (const auto& draw : history) {
        auto balls = Balls(draw);
        std::sort(balls.begin(), balls.end());
        past.insert(balls);
    }
    std::set<std::vector<int>> seen;
    for (const auto& line : lines) {
        const auto balls = Balls(line);
        for (std::size_t i = 0; i < 6; ++i) {
            ASSERT_TRUE(balls[i] >= 1 && balls[i] <= 49);
            if (i > 0) {
                ASSERT_LT(balls[i - 1], balls[i]);
            }
        }
        EXPECT_FALSE(past.count(balls)) << "a past draw was kept";
        EXPECT_TRUE(seen.insert(balls).second) << "a line was kept twice";
    }
}

TEST(FortyNineGenerator, BuildsLinesFromTheCountersAndDropsPastDrawsWithoutCountingThem) {
    const OneBased<LottoDrawRec> history{Draw({1, 2, 3, 4, 5, 6}, 7), Draw({46, 3, 10, 45, 2, 44}, 9)};
    const auto frequency = test::FrequencyInOrder({10});
    const auto lines = GenerateFortyNineLines(history, frequency, IdentityLastDrawn());
    ASSERT_GE(lines.Size(), 4u);
    // Line 1: N1 = Ball1, N2 the most frequent, three balls of the walk, pivot 1 searched upward.
    EXPECT_EQ(Balls(lines[1]), (std::vector<int>{1, 2, 10, 47, 48, 49}));
    // The second candidate, 2 3 10 44 45 46, is the second past draw and is dropped.
    EXPECT_EQ(Balls(lines[2]), (std::vector<int>{2, 9, 10, 41, 42, 43}));
    EXPECT_EQ(Balls(lines[3]), (std::vector<int>{2, 10, 11, 38, 39, 40}));
    EXPECT_EQ(Balls(lines[4]), (std::vector<int>{3, 9, 10, 35, 36, 37}));
    ExpectSoundLines(lines, history);

    const auto reference = test::ReferenceFortyNineLines(history, frequency, IdentityLastDrawn());
    EXPECT_EQ(lines, reference.lines);
    EXPECT_EQ(reference.repeats, 100);
    EXPECT_GE(reference.pastDrawLines, 1);
}

TEST(FortyNineGenerator, KeepsEveryLineFreeOfRepeatedNumbers) {
    // The newest ball is the most frequent: N2 comes from the walk, and pivot 1 searches upward.
    const OneBased<LottoDrawRec> sameAsFrequent{Draw({1, 20, 21, 22, 23, 24}, 25)};
    const auto first =
        GenerateFortyNineLines(sameAsFrequent, test::FrequencyInOrder({1}), IdentityLastDrawn());
    EXPECT_EQ(Balls(first[1]), (std::vector<int>{1, 2, 46, 47, 48, 49}));

    // Pivot 2 searching downward meets 1, already in the line, on the bound: it turns upward instead.
    const OneBased<LottoDrawRec> atBound{Draw({2, 20, 21, 22, 23, 24}, 25)};
    const auto frequency = test::FrequencyInOrder({1});
    const auto lines = GenerateFortyNineLines(atBound, frequency, IdentityLastDrawn());
    EXPECT_EQ(Balls(lines[1]), (std::vector<int>{1, 2, 3, 47, 48, 49}));
    ExpectSoundLines(lines, atBound);
    EXPECT_EQ(lines, test::ReferenceFortyNineLines(atBound, frequency, IdentityLastDrawn()).lines);
}

TEST(FortyNineGenerator, MatchesTheReferenceOnTheRealHistoryAndEndsAtTheHundredthRepeat) {
    const auto history = RealLottoHistory();
    ASSERT_GT(history.Size(), 1000u);
    const GameStatistics stats = ComputeStatistics(Game::Lotto, history);
    const auto lines = GenerateFortyNineLines(history, stats.BallFrequency, stats.BallLastDrawn);
    const auto reference = test::ReferenceFortyNineLines(history, stats.BallFrequency, stats.BallLastDrawn);
    EXPECT_EQ(lines, reference.lines);
    EXPECT_EQ(reference.repeats, 100);
    EXPECT_GT(lines.Size(), 200u);
    ExpectSoundLines(lines, history);
    EXPECT_EQ(GenerateFortyNineLines(history, stats.BallFrequency, stats.BallLastDrawn), lines);

    // The history as it stood 44 draws ago finds a new line between the 99th and the 100th repeat, so
    // only the exact end gives these lines.
    OneBased<LottoDrawRec> older;
    for (std::size_t i = 45; i <= history.Size(); ++i) {
        older.PushBack(history[i]);
    }
    const GameStatistics olderStats = ComputeStatistics(Game::Lotto, older);
    const auto olderLines = GenerateFortyNineLines(older, olderStats.BallFrequency, olderStats.BallLastDrawn);
    const auto olderReference =
        test::ReferenceFortyNineLines(older, olderStats.BallFrequency, olderStats.BallLastDrawn);
    EXPECT_EQ(olderLines, olderReference.lines);
    ASSERT_EQ(olderReference.keptAtRepeat.size(), 100u);
    EXPECT_GT(olderLines.Size(), olderReference.keptAtRepeat[98]);
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
