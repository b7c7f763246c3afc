#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "core/History.h"
#include "core/HistoryCheck.h"
#include "support/HistoryBuilder.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::string> Described(const std::vector<RecordProblem>& problems) {
    std::vector<std::string> texts;
    for (const auto& problem : problems) {
        texts.push_back(problem.Describe());
    }
    return texts;
}

TEST(HistoryCheckTest, EveryDamagedRecordIsListedWithItsNumbersAndFault) {
    test::HistoryBuilder<LottoDrawRec> lotto;
    lotto
        .Draw({1, 2, 3, 4, 5, 6}, 7)                                           // record 1, draw 7: sound
        .Draw({1, 2, 3, 4, 5, 6}, 7, kNaN)                                     // record 2
        .Draw({0, 2, 3, 4, 5, 50}, 7)                                          // record 3
        .Draw({9, 2, 9, 4, 5, 6}, 4)                                           // record 4
        .Draw({1, 2, 3, 4, 5, 6}, 0, std::numeric_limits<double>::infinity())  // record 5
        .Draw({1, 2, 3, 4, 5, 6}, 7, SerialFromCivil({2010, 6, 1}))            // record 6: record 1's date
        .Draw({1, 2, 3, 4, 5, 6}, 7, -1e9);                                    // record 7
    EXPECT_EQ(Described(VerifyDraws(lotto.Draws())),
              (std::vector<std::string>{
                  "record 2 (draw 6): the date is not a number, not a day from 01/01/0100 to 31/12/9999",
                  "record 3 (draw 5): ball1 is 0, not a ball of 1 - 49",
                  "record 3 (draw 5): ball6 is 50, not a ball of 1 - 49",
                  "record 4 (draw 4): ball3 is 9, the same as ball1",
                  "record 4 (draw 4): the bonus ball is 4, the same as ball4",
                  "record 5 (draw 3): the date is infinite, not a day from 01/01/0100 to 31/12/9999",
                  "record 5 (draw 3): the bonus ball is 0, not a ball of 1 - 49",
                  "record 6 (draw 2): a second draw on 01/06/2010, the date of record 1",
                  "record 7 (draw 1): the date is -1000000000, not a day from 01/01/0100 to 31/12/9999",
              }));

    test::HistoryBuilder<ThunderballDrawRec> thunderball;
    thunderball.Draw({1, 2, 3, 4, 34}, 14).Draw({1, 2, 3, 4, 35}, 15);
    EXPECT_EQ(Described(VerifyDraws(thunderball.Draws())),
              (std::vector<std::string>{"record 2 (draw 1): ball5 is 35, not a ball of 1 - 34",
                                        "record 2 (draw 1): the Thunderball is 15, not a ball of 1 - 14"}));
    test::HistoryBuilder<DailyPlayDrawRec> daily;
    daily.Draw({1, 2, 3, 4, 5, 6, 27}).Draw({1, 2, 3, 4, 5, 6, 28});
    EXPECT_EQ(Described(VerifyDraws(daily.Draws())),
              (std::vector<std::string>{"record 2 (draw 1): ball7 is 28, not a ball of 1 - 27"}));
    LottoDrawRec negativeSet = lotto.Draws()[1];
    negativeSet.BallSet = -3;
    EXPECT_EQ(Described(VerifyDraws(OneBased<LottoDrawRec>{negativeSet})),
              (std::vector<std::string>{"record 1 (draw 1): the ball set is -3, a negative number"}));
    // A control character in a text field, which no export could give back to the import.
    DailyPlayDrawRec controls = daily.Draws()[1];
    controls.BallSet = "A\tB";
    controls.Machine = std::string("M\0", 2);
    EXPECT_EQ(
        Described(VerifyDraws(OneBased<DailyPlayDrawRec>{controls})),
        (std::vector<std::string>{"record 1 (draw 1): the ball set holds the control character U+0009",
                                  "record 1 (draw 1): the machine holds the control character U+0000"}));
}

TEST(HistoryCheckTest, ADamagedHistoryLoadsAsItStandsWithoutReadingOutsideATable) {
    test::TempDir dir;
    test::HistoryBuilder<ThunderballDrawRec>()
        .Draw({-32768, 0, 35, 32767, 5}, -1, kNaN)
        .Draw({5, 5, 5, 5, 5}, 15)
        .Draw({1, 2, 3, 4, 5}, 14)
        .WriteTo(dir.Path());
    const auto loaded = LoadHistory(Game::Thunderball, dir.Path());
    ASSERT_TRUE(loaded.has_value());
    // What the statistics count of damaged draws is StatisticsTest's and the fuzzing suite's.
    const auto& draws = std::get<OneBased<ThunderballDrawRec>>(loaded->draws);
    EXPECT_EQ(draws.Size(), 3u);
    EXPECT_EQ(draws[1].Balls[0], -32768);  // what the file holds
    EXPECT_TRUE(std::isnan(draws[1].DrawDate));

    const auto problems = VerifyHistory(Game::Thunderball, dir.Path());
    ASSERT_TRUE(problems.has_value());
    EXPECT_EQ(problems->size(), 11u);
    EXPECT_EQ(VerifyHistory(Game::Lotto, dir.Path()).error().cause, RefusalCause::Missing);
    EXPECT_EQ(DescribeProblems(*problems, 2),
              "record 1 (draw 3): the date is not a number, not a day from 01/01/0100 to 31/12/9999\n"
              "record 1 (draw 3): ball1 is -32768, not a ball of 1 - 34\nand 9 more\n");
}

}  // namespace
}  // namespace quintara
