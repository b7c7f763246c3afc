#include <gtest/gtest.h>
#include <vector>

#include "check/CheckLines.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

LottoDrawRec Line(std::array<std::int16_t, 6> balls) {
    LottoDrawRec line;
    line.Balls = balls;
    return line;
}

DailyPlayDrawRec DailyLine(std::array<std::int16_t, 7> balls) {
    DailyPlayDrawRec line;
    line.Balls = balls;
    return line;
}

std::vector<WinningLineRec> Winners(const CheckResult& result) {
    return result.winners == 0 ? std::vector<WinningLineRec>{} : result.winningLines.ToVector();
}

TEST(CheckLinesTest, WinningLinesAndCountsPerGame) {
    const struct {
        const char* what;
        Game game;
        TypedDraw typed;
        OneBased<LottoDrawRec> lines;
        std::vector<WinningLineRec> winners;
        PrizeCounts counts;
    } cases[] = {
        {"Lotto five and the bonus, four and the bonus",
         Game::Lotto,
         {1, 2, 3, 4, 5, 6, 7},
         {Line({1, 2, 3, 4, 5, 7}), Line({1, 2, 3, 4, 7, 40}), Line({1, 2, 40, 41, 42, 7})},
         {{5, 1, 7}, {4, 2, 0}},
         {.four = 1, .fiveAndBonus = 1}},
        {"Lotto three, five and six",
         Game::Lotto,
         {1, 2, 3, 4, 5, 6, 7},
         {Line({40, 41, 42, 1, 2, 3}), Line({1, 2, 3, 4, 5, 40}), Line({6, 5, 4, 3, 2, 1})},
         {{3, 1, 0}, {5, 2, 0}, {6, 3, 0}},
         {.three = 1, .five = 1, .six = 1}},
        {"Lotto Extra wins only at six",
         Game::LottoExtra,
         {1, 2, 3, 4, 5, 6, 0},
         {Line({1, 2, 3, 4, 5, 40}), Line({1, 2, 3, 4, 5, 6})},
         {{6, 2, 0}},
         {.six = 1}},
        {"Thunderball ignores the line's Ball6",
         Game::Thunderball,
         {1, 2, 3, 4, 5, 0, 0},
         {Line({1, 2, 10, 11, 12, 3}), Line({1, 2, 3, 11, 12, 4})},
         {{3, 2, 0}},
         {.three = 1}},
        {"a bonus ball of 1 counts beside five",
         Game::Lotto,
         {2, 3, 4, 5, 6, 7, 1},
         {Line({1, 2, 3, 4, 5, 6})},
         {{5, 1, 1}},
         {.fiveAndBonus = 1}},
        {"a number twice in a line matches once",
         Game::Lotto,
         {1, 2, 3, 4, 5, 6, 7},
         {Line({1, 1, 1, 2, 40, 41})},
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CheckResult result = CheckLines(c.game, c.typed, c.lines);
        EXPECT_EQ(Winners(result), c.winners);
        EXPECT_EQ(result.winners, static_cast<std::int32_t>(c.winners.size()));
        EXPECT_EQ(result.counts, c.counts);
    }

    const OneBased<DailyPlayDrawRec> daily{DailyLine({1, 2, 3, 20, 21, 22, 23}),
                                           DailyLine({1, 2, 3, 4, 20, 21, 22}),
                                           DailyLine({7, 6, 5, 4, 3, 2, 1})};
    const CheckResult dailyResult = CheckLines(Game::DailyPlay, {1, 2, 3, 4, 5, 6, 7}, daily);
    EXPECT_EQ(Winners(dailyResult), (std::vector<WinningLineRec>{{4, 2, 0}, {7, 3, 0}}));
    EXPECT_EQ(dailyResult.counts, (PrizeCounts{.four = 1, .seven = 1}));

    EXPECT_THROW(CheckLines(Game::DailyPlay, {}, OneBased<LottoDrawRec>{}), std::invalid_argument);
    EXPECT_THROW(CheckLines(Game::Lotto, {}, daily), std::invalid_argument);
}

// Today's prizes: a tier per line, counted in the game's table order, and the report listing every tier.
TEST(CheckLinesTest, TodaysGamesCountTheirPrizeTiers) {
    const struct {
        const char* what;
        Game game;
        TypedDraw typed;
        OneBased<LottoDrawRec> lines;
        std::vector<WinningLineRec> winners;
        std::vector<std::int32_t> tierCounts;
    } cases[] = {
        {"Lotto 59: two wins a Lucky Dip, the bonus only beside five",
         Game::Lotto59,
         {51, 52, 53, 54, 55, 59, 7},
         {Line({51, 52, 1, 2, 3, 7}), Line({51, 52, 53, 54, 55, 7}), Line({51, 52, 53, 54, 1, 7}),
          Line({51, 1, 2, 3, 4, 7}), Line({59, 55, 54, 53, 52, 51})},
         {{2, 1, 0}, {5, 2, 7}, {4, 3, 0}, {6, 5, 0}},
         {1, 0, 1, 0, 1, 1}},
        {"Thunderball 39: the line's Thunderball counts, alone or with up to five numbers",
         Game::Thunderball39,
         {35, 36, 37, 38, 39, 9, 0},
         {Line({1, 2, 3, 4, 5, 9}), Line({35, 36, 1, 2, 3, 9}), Line({35, 36, 1, 2, 3, 8}),
          Line({35, 36, 37, 1, 2, 8}), Line({35, 36, 37, 38, 39, 9}), Line({35, 36, 37, 38, 1, 9})},
         {{0, 1, 9}, {2, 2, 9}, {3, 4, 0}, {5, 5, 9}, {4, 6, 9}},
         {1, 0, 1, 1, 0, 0, 1, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CheckResult result = CheckLines(c.game, c.typed, c.lines);
        EXPECT_EQ(Winners(result), c.winners);
        EXPECT_EQ(result.tierCounts, c.tierCounts);
    }
    // The report lists every tier of the game's table in its order.
    EXPECT_EQ(WinningReportText(CheckLines(cases[0].game, cases[0].typed, cases[0].lines)),
              "You have 4 winning lines of:\r\n\r\n1  x 2 Numbers (Free Lucky Dip)\r\n0  x 3 Numbers\r\n"
              "1  x 4 Numbers\r\n0  x 5 Numbers\r\n1  x 5 Numbers and Bonus Ball\r\n1  x 6 Numbers\r\n\r\n"
              "Out of 5 lines");
}

TEST(CheckLinesTest, TypedNumbersAreRoundedHalfToEven) {
    const CheckBoxes boxes{"1", "2.5", "3.5", "10", "11", "12", "13"};
    EXPECT_EQ(TypedFromBoxes(Game::Lotto, boxes), (TypedDraw{1, 2, 4, 10, 11, 12, 13}));
    EXPECT_EQ(TypedFromBoxes(Game::Thunderball, boxes), (TypedDraw{1, 2, 4, 10, 11, 0, 0}));

    // An empty saved-lines file gives one zeroed line; unfilled places never match it.
    EXPECT_EQ(
        CheckLines(Game::Thunderball, TypedFromBoxes(Game::Thunderball, boxes), {LottoDrawRec{}}).winners, 0);

    LottoDrawRec draw = Line({5, 6, 7, 8, 9, 10});
    draw.BonusBall = 11;
    EXPECT_EQ(TypedFromDraw(draw), (TypedDraw{5, 6, 7, 8, 9, 10, 11}));
    ThunderballDrawRec thunder;
    thunder.Balls = {1, 2, 3, 4, 5};
    thunder.Thunderball = 9;
    EXPECT_EQ(TypedFromDraw(thunder), (TypedDraw{1, 2, 3, 4, 5, 0, 0}));
}

TEST(CheckLinesTest, ReportTextByteForByte) {
    const TypedDraw typed{1, 2, 3, 4, 5, 6, 7};
    const CheckResult one =
        CheckLines(Game::Lotto, typed,
                   {Line({1, 2, 3, 4, 5, 7}), Line({40, 41, 42, 43, 44, 45}), Line({8, 9, 10, 11, 12, 13})});
    EXPECT_EQ(WinningReportText(one),
              "You have 1 winning line of:\r\n\r\n"
              "0  x 3 Numbers\r\n0  x 4 Numbers\r\n0  x 5 Numbers\r\n1  x 5 Numbers and Bonus Ball\r\n"
              "0  x 6 Numbers\r\n0  x 7 Numbers\r\n\r\nOut of 3 lines");
    EXPECT_EQ(WinningLinesCaption(one.winners), "View Winning Line");

    const CheckResult several = CheckLines(Game::Thunderball, {1, 2, 3, 4, 5, 0, 0},
                                           {Line({1, 2, 3, 20, 21, 1}), Line({1, 2, 3, 4, 21, 2}),
                                            Line({1, 2, 3, 30, 31, 3}), Line({10, 11, 12, 13, 14, 4})});
    EXPECT_EQ(WinningReportText(several),
              "You have 3 winning lines of:\r\n\r\n"
              "2  x 3 Numbers\r\n1  x 4 Numbers\r\n0  x 5 Numbers\r\n0  x 5 Numbers and Bonus Ball\r\n"
              "0  x 6 Numbers\r\n0  x 7 Numbers\r\n\r\nOut of 4 lines");
    EXPECT_EQ(WinningLinesCaption(2), "View 2 Winning Lines");

    const CheckResult none = CheckLines(Game::LottoExtra, typed, {Line({1, 2, 3, 4, 5, 40})});
    EXPECT_EQ(WinningReportText(none), "Sorry, you did not win this time!");
    EXPECT_EQ(none.winningLines.ToVector(), std::vector<WinningLineRec>{WinningLineRec{}});
}

// Written as the other files are (tested with WriteFileAtomically), under the name as given.
TEST(CheckLinesTest, SavingTheReport) {
    test::TempDir dir;
    ASSERT_TRUE(SaveReport(dir / "Winning Report", kNoWinReport).has_value());
    EXPECT_EQ(dir.Read("Winning Report"), "Sorry, you did not win this time!\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Winning Report.txt"));
}

}  // namespace
}  // namespace quintara
