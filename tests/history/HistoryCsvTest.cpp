#include <gtest/gtest.h>

#include "core/History.h"
#include "core/HistoryCheck.h"
#include "history/HistoryCsv.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

// The first Lotto draws name their ball sets by letter; the file keeps a number, and the import says so.
// (The shipped histories are imported so by the build, and the round trip of every sound CSV is the
// fuzzing suite's.)
TEST(HistoryCsvTest, ALetteredBallSetIsKeptAsNought) {
    test::TempDir dir;
    const std::string header = HistoryCsvHeader(Game::Lotto) + "\n";
    const auto report =
        ImportHistoryCsv(Game::Lotto, header + "1994-11-19,30,3,5,44,14,22,10,A,Guinevere\n", dir.Path());
    ASSERT_TRUE(report.has_value()) << report.error().text;
    EXPECT_EQ(report->warnings,
              std::vector<std::string>{"line 2: ball set \"A\" is not a number and is stored as 0"});
    EXPECT_EQ(ExportHistoryCsv(Game::Lotto, dir.Path()).value(),
              header + "1994-11-19,30,3,5,44,14,22,10,0,Guinevere\n");
}

TEST(HistoryCsvTest, ABadRowNamesItsLineAndWritesNothing) {
    test::TempDir dir;
    const std::string header = "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,extra,ball_set,machine\n";
    const std::string good = "2015-10-07,30,7,44,11,49,5,25,4,Guinevere\n";
    const std::pair<std::string, std::string> cases[] = {
        // a row after a good one, and its refusal
        {"2015-10-03,14,44,8,9,35,7,4,1\n", "line 3: 9 fields, expected 10"},
        {"2015-10-03,14,44,8,9,35,7,44,1,Arthur\n", "line 3: the bonus ball 44 is also a main ball"},
        {"2015-10-03,14,44,8,9,35,7,0,1,Arthur\n", "line 3: extra \"0\" is not a number from 1 to 49"},
        // The first faulty line is told, whatever its fault; a fault of the CSV itself comes first.
        {"07/10/2015,14,44,8,9,35,7,4,1,Arthur\n2015-10-03,14,44,8,9,35,50,4,1,Arthur\n",
         "line 3: a second draw on 07/10/2015"},
        {"2015-10-03,14,44,8,9,35,50,4,1,Arthur\n07/10/2015,14,44,8,9,35,7,4,1,Arthur\n",
         "line 3: ball6 \"50\" is not a number from 1 to 49"},
        {"2015-10-01,1,2,3,4,5,6,7,1,A\n2015-10-01,1,2,3,4,5,6,7,1,A\n2015-10-07,1,2,3,4,5,6,7,1,A\n",
         "line 4: a second draw on 01/10/2015"},
        {"2015-10-03,14,44,8,9,35,50,4,1,Arthur\n\"open\n", "line 4: a quoted field is not closed"},
    };
    for (const auto& [row, message] : cases) {
        const auto result = ImportHistoryCsv(Game::Lotto, header + good + row, dir.Path());
        ASSERT_FALSE(result.has_value()) << row;
        EXPECT_EQ(result.error().text, message);
        EXPECT_FALSE(std::filesystem::exists(dir / "LottoHistory.dat"));
    }
    EXPECT_FALSE(ImportHistoryCsv(Game::Thunderball,
                                  "draw_date,ball1,ball2,ball3,ball4,ball5,extra,ball_set,machine\n"
                                  "2010-05-08,5,6,7,8,10,15,3,Excalibur 5\n",
                                  dir.Path())
                     .has_value());
    EXPECT_EQ(ImportHistoryCsv(Game::LottoExtra, header + good, dir.Path()).error().text,
              "line 1: the header must read draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball_set,machine");
}

// The operator's results files hold the draws our layout holds: their dates, a quoted list of raffle
// codes and the operator's draw count read past, two rounds of a date kept. A header of no layout the
// game knows, or a date of another form, is refused and quoted.
TEST(HistoryCsvTest, TheOperatorsLayoutsReadAsOurOwn) {
    const std::tuple<Game, std::string, std::string> cases[] = {
        // the game, its operator's file, our CSV
        {Game::Lotto59,
         "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball "
         "Set,Machine,Raffles,DrawNumber\r\n"
         "13-Jun-2026,41,5,59,12,23,52,7,8,Arthur,\"JRZN35120,LRSP53791\",3140\r\n"
         "10-Jun-2026,1,2,3,4,6,8,9,8,Arthur,\"JRZN35119\",3139\r\n"
         "10-Jun-2026,5,12,23,41,52,58,7,8,Arthur,\"\",3138\r\n"
         "6-jun-2026,11,22,33,44,55,57,1,3,Merlin,\"AB1,CD2,EF3\",3137\r\n",
         "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,extra,ball_set,machine\n"
         "2026-06-13,41,5,59,12,23,52,7,8,Arthur\n"
         "2026-06-10,1,2,3,4,6,8,9,8,Arthur\n"
         "2026-06-10,5,12,23,41,52,58,7,8,Arthur\n"
         "2026-06-06,11,22,33,44,55,57,1,3,Merlin\n"},
        {Game::Thunderball39,
         "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n"
         "12-Jun-2026,39,2,3,4,1,14,T6,Excalibur 7,3500\n"
         "03-Dec-2026,5,6,7,8,9,1,T12,Excalibur 1,3499\n",
         "draw_date,ball1,ball2,ball3,ball4,ball5,extra,ball_set,machine\n"
         "2026-12-03,5,6,7,8,9,1,T12,Excalibur 1\n"
         "2026-06-12,39,2,3,4,1,14,T6,Excalibur 7\n"},
    };
    for (const auto& [game, theirs, ours] : cases) {
        test::TempDir dir;
        const auto imported = ImportHistoryCsv(game, theirs, dir.Path());
        ASSERT_TRUE(imported.has_value()) << imported.error().text;
        EXPECT_EQ(*ExportHistoryCsv(game, dir.Path()), ours);

        const std::size_t headerEnd = theirs.find_first_of("\r\n");
        const std::string header = theirs.substr(0, headerEnd);
        const std::size_t rowStart = theirs.find('\n', headerEnd) + 1;
        const std::string row = theirs.substr(rowStart, theirs.find_first_of("\r\n", rowStart) - rowStart);
        const std::string pastDate = row.substr(row.find(','));
        const std::pair<std::string, std::string> refused[] = {
            // a CSV and the start of its refusal
            {"Date,N1,N2\n" + row, "line 1: the header \"Date,N1,N2\" is not a layout of "},
            {header + ",Extra\n" + row, "line 1: the header \"" + header + ",Extra\" is not a layout of "},
            {header + "\n30-Feb-2026" + pastDate, "line 2: \"30-Feb-2026\" is not a date"},
            {header + "\n2026-06-13" + pastDate, "line 2: \"2026-06-13\" is not a date"},
        };
        for (const auto& [csv, message] : refused) {
            const auto result = ImportHistoryCsv(game, csv, dir.Path());
            ASSERT_FALSE(result.has_value()) << csv;
            EXPECT_EQ(result.error().text.rfind(message, 0), 0u) << result.error().text;
        }
    }
    // A layout is one of the game's own: a Thunderball file is no Lotto history.
    test::TempDir dir;
    const auto wrongGame = ImportHistoryCsv(Game::Lotto59, std::get<1>(cases[1]), dir.Path());
    ASSERT_FALSE(wrongGame.has_value());
    EXPECT_NE(wrongGame.error().text.find("is not a layout of Lotto 59 draws; it must read " +
                                          HistoryCsvHeader(Game::Lotto59)),
              std::string::npos);
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

    ASSERT_TRUE(ImportHistoryCsv(Game::Lotto59, header + first + older, dir.Path()).has_value());
    const auto merged =
        ImportHistoryCsv(Game::Lotto59, header + second + first, dir.Path(), ImportMode::Merge);
    ASSERT_TRUE(merged.has_value()) << merged.error().text;
    EXPECT_EQ(std::pair(merged->added, merged->alreadyHeld), (std::pair<std::size_t, std::size_t>{1, 1}));
    const auto draws = ReadHistory<Lotto59DrawRec>(dir.Path(), false).value();
    ASSERT_EQ(draws.Size(), 3u);
    EXPECT_EQ(draws[1].DrawDate, draws[2].DrawDate);
    EXPECT_EQ(draws[1].Balls[0], 11);  // the round merged last stands as the newer record
    EXPECT_TRUE(VerifyDraws(draws).empty());
    const std::string held = dir.Read("Lotto59History.dat");
    EXPECT_EQ(
        ImportHistoryCsv(Game::Lotto59, header + other, dir.Path(), ImportMode::Merge).error().text,
        "line 2: the draw on 10/06/2026 (21 22 23 24 25 26 + 27) differs from the draw the history holds "
        "on that date (11 12 13 14 15 16 + 17)");
    EXPECT_EQ(dir.Read("Lotto59History.dat"), held);

    for (const std::string& csv :
         {header + first + second + other, header + "2026-06-06,1,2,3,4,5,6,7,1,A\n" + older}) {
        const auto result = ImportHistoryCsv(Game::Lotto59, csv, dir.Path());
        ASSERT_FALSE(result.has_value()) << csv;
        EXPECT_NE(result.error().text.find("a second draw on"), std::string::npos);
    }
}

}  // namespace
}  // namespace quintara
