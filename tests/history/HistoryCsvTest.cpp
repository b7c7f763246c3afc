#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "core/History.h"
#include "core/HistoryCheck.h"
#include "history/HistoryCsv.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

std::string ReadSource(const std::string& relative) {
    std::ifstream in(std::string(QUINTARA_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HistoryCsvTest, TheRealHistoriesRoundTrip) {
    test::TempDir dir;
    for (const char* name : {"lotto", "thunderball"}) {
        const Game game = *GameFromName(name);
        const std::string csv = ReadSource(std::string("data/history/") + name + ".csv");
        const auto report = ImportHistoryCsv(game, csv, dir.Path());
        ASSERT_TRUE(report.Ok()) << report.GetError().message;
        EXPECT_EQ(report->draws, game == Game::Lotto ? 2065u : 964u);
        // The first eight Lotto draws name their ball sets by letter; the file keeps a number.
        EXPECT_EQ(report->warnings.size(), game == Game::Lotto ? 8u : 0u);

        const auto exported = ExportHistoryCsv(game, dir.Path());
        ASSERT_TRUE(exported.Ok());
        if (game == Game::Thunderball) {
            EXPECT_EQ(*exported, csv);
        } else {
            EXPECT_EQ(exported->substr(0, 200), csv.substr(0, 200));
            EXPECT_NE(exported->find("\n1994-11-19,30,3,5,44,14,22,10,0,Guinevere\n"), std::string::npos);
        }
        // Exported text imports to the same bytes.
        const std::string first = dir.Read(std::string(Info(game).historyFile));
        ASSERT_TRUE(ImportHistoryCsv(game, *exported, dir.Path()).Ok());
        EXPECT_EQ(dir.Read(std::string(Info(game).historyFile)), first);
    }
}

TEST(HistoryCsvTest, RowsInAnyOrderComeOutNewestFirst) {
    test::TempDir dir;
    const std::string csv =
        "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball7,ball_set,machine\r\n"
        "01/02/2005,1,2,3,4,5,6,7,T123,Machine 11\r\n"
        "2005-02-03,27,26,25,24,23,22,21,S2,M\r\n";
    ASSERT_TRUE(ImportHistoryCsv(Game::DailyPlay, csv, dir.Path()).Ok());
    const auto exported = ExportHistoryCsv(Game::DailyPlay, dir.Path());
    EXPECT_EQ(*exported,
              "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball7,ball_set,machine\n"
              "2005-02-03,27,26,25,24,23,22,21,S2,M\n"
              "2005-02-01,1,2,3,4,5,6,7,T123,Machine 11\n");
}

TEST(HistoryCsvTest, ABadRowNamesItsLineAndWritesNothing) {
    test::TempDir dir;
    const std::string header = "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,extra,ball_set,machine\n";
    const std::string good = "2015-10-07,30,7,44,11,49,5,25,4,Guinevere\n";
    const struct {
        std::string row;
        std::string message;
    } cases[] = {
        {"2015-10-03,14,44,8,9,35,7,4,1\n", "line 3: 9 fields, expected 10"},
        {"2015-10-03,14,44,8,9,35,50,4,1,Arthur\n", "line 3: ball6 \"50\" is not a number from 1 to 49"},
        {"2015-10-03,14,44,8,9,35,x,4,1,Arthur\n", "line 3: ball6 \"x\" is not a number from 1 to 49"},
        {"2015-10-03,14,44,8,9,35,14,4,1,Arthur\n", "line 3: ball 14 appears twice"},
        {"2015-10-03,14,44,8,9,35,7,44,1,Arthur\n", "line 3: the bonus ball 44 is also a main ball"},
        {"2015-10-03,14,44,8,9,35,7,0,1,Arthur\n", "line 3: extra \"0\" is not a number from 1 to 49"},
        {"2015-02-30,14,44,8,9,35,7,4,1,Arthur\n",
         "line 3: \"2015-02-30\" is not a date (yyyy-mm-dd or DD/MM/YYYY)"},
        {"07/10/2015,14,44,8,9,35,7,4,1,Arthur\n", "line 3: a second draw on 07/10/2015"},
        // The first faulty line is told, whatever its fault; a fault of the CSV itself comes first.
        {"07/10/2015,14,44,8,9,35,7,4,1,Arthur\n2015-10-03,14,44,8,9,35,50,4,1,Arthur\n",
         "line 3: a second draw on 07/10/2015"},
        {"2015-10-03,14,44,8,9,35,50,4,1,Arthur\n07/10/2015,14,44,8,9,35,7,4,1,Arthur\n",
         "line 3: ball6 \"50\" is not a number from 1 to 49"},
        {"2015-10-01,1,2,3,4,5,6,7,1,A\n2015-10-01,1,2,3,4,5,6,7,1,A\n2015-10-07,1,2,3,4,5,6,7,1,A\n",
         "line 4: a second draw on 01/10/2015"},
        {"2015-10-03,14,44,8,9,35,50,4,1,Arthur\n\"open\n", "line 4: a quoted field is not closed"},
    };
    for (const auto& c : cases) {
        const auto result = ImportHistoryCsv(Game::Lotto, header + good + c.row, dir.Path());
        ASSERT_FALSE(result.Ok()) << c.row;
        EXPECT_EQ(result.GetError().message, c.message);
        EXPECT_FALSE(std::filesystem::exists(dir / "LottoHistory.dat"));
    }
    EXPECT_FALSE(ImportHistoryCsv(Game::Thunderball,
                                  "draw_date,ball1,ball2,ball3,ball4,ball5,extra,ball_set,machine\n"
                                  "2010-05-08,5,6,7,8,10,15,3,Excalibur 5\n",
                                  dir.Path())
                     .Ok());
    EXPECT_EQ(ImportHistoryCsv(Game::LottoExtra, header + good, dir.Path()).GetError().message,
              "line 1: the header must read draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball_set,machine");
}

// From 10/06/2026 a Lotto 59 date holds one record per round: the import and the merge take the second
// round of a date, refuse a third or one that differs from two held, and keep a single round elsewhere.
TEST(HistoryCsvTest, LottoDrawsOfTwoRoundsAreTwoRecordsOfOneDate) {
    test::TempDir dir;
    const std::string header = "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,extra,ball_set,machine\n";
    const std::string older = "2026-06-06,42,10,26,8,35,30,50,7,Lancelot\n";
    const std::string first = "2026-06-10,1,2,3,4,5,59,7,9,Lotto 6\n";
    const std::string second = "2026-06-10,11,12,13,14,15,16,17,10,Lotto 4\n";
    const std::string other = "2026-06-10,21,22,23,24,25,26,27,10,Lotto 4\n";

    ASSERT_TRUE(ImportHistoryCsv(Game::Lotto59, header + first + older, dir.Path()).Ok());
    const auto merged =
        ImportHistoryCsv(Game::Lotto59, header + second + first, dir.Path(), ImportMode::Merge);
    ASSERT_TRUE(merged.Ok()) << merged.GetError().message;
    EXPECT_EQ(merged->added, 1u);
    EXPECT_EQ(merged->alreadyHeld, 1u);
    const auto draws = ReadHistory<Lotto59DrawRec>(dir.Path(), false).Value();
    ASSERT_EQ(draws.Size(), 3u);
    EXPECT_EQ(draws[1].DrawDate, draws[2].DrawDate);
    EXPECT_EQ(draws[1].Balls[0], 11);  // the round merged last stands as the newer record
    EXPECT_TRUE(VerifyDraws(draws).empty());
    const std::string held = dir.Read("Lotto59History.dat");
    EXPECT_EQ(
        ImportHistoryCsv(Game::Lotto59, header + other, dir.Path(), ImportMode::Merge).GetError().message,
        "line 2: the draw on 10/06/2026 (21 22 23 24 25 26 + 27) differs from the draw the history holds "
        "on that date (11 12 13 14 15 16 + 17)");
    EXPECT_EQ(dir.Read("Lotto59History.dat"), held);

    const struct {
        Game game;
        std::string csv;
    } refused[] = {
        {Game::Lotto59, header + first + second + other},
        {Game::Lotto59, header + "2026-06-06,1,2,3,4,5,6,7,1,A\n" + older},
        {Game::Lotto, header + "2015-10-07,1,2,3,4,5,6,7,1,A\n2015-10-07,8,9,10,11,12,13,14,1,A\n"},
    };
    for (const auto& c : refused) {
        const auto result = ImportHistoryCsv(c.game, c.csv, dir.Path());
        ASSERT_FALSE(result.Ok()) << c.csv;
        EXPECT_NE(result.GetError().message.find("a second draw on"), std::string::npos);
    }
}

// The shipped histories of today's games hold every draw of their CSV files, sound.
TEST(HistoryCsvTest, TodaysShippedHistoriesHoldTheirDraws) {
    const auto lotto = ReadHistory<Lotto59DrawRec>(QUINTARA_APP_DIR, false);
    ASSERT_TRUE(lotto.Ok());
    EXPECT_EQ(lotto->Size(), 1113u + 66u);
    EXPECT_TRUE(VerifyDraws(*lotto).empty());
    const auto thunderball = ReadHistory<Thunderball39DrawRec>(QUINTARA_APP_DIR, false);
    ASSERT_TRUE(thunderball.Ok());
    EXPECT_EQ(thunderball->Size(), 3019u);
    EXPECT_TRUE(VerifyDraws(*thunderball).empty());
}

}  // namespace
}  // namespace quintara
