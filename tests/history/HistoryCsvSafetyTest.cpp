#include <gtest/gtest.h>

#include "core/History.h"
#include "core/HistoryCheck.h"
#include "history/Csv.h"
#include "history/HistoryCsv.h"
#include "support/HistoryBuilder.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

const std::string kLottoHeader = "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,extra,ball_set,machine\n";
const std::string kThunderballHeader = "draw_date,ball1,ball2,ball3,ball4,ball5,extra,ball_set,machine\n";

TEST(CsvTest, ReadsWhatSpreadsheetsWrite) {
    const auto rows = ReadCsv(
        "\xEF\xBB\xBF"
        "a,b\r\n"
        "\"Mer,lin\", \"say \"\"hi\"\"\" ,  x y  \n"
        "\n"
        "   \r\n"
        "\"two\r\nlines\",\"\"\r"
        "\"\",last");
    ASSERT_TRUE(rows.has_value()) << rows.error().text;
    ASSERT_EQ(rows->size(), 4u);
    EXPECT_EQ((*rows)[0].line, 1u);
    EXPECT_EQ((*rows)[0].fields, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ((*rows)[1].fields, (std::vector<std::string>{"Mer,lin", "say \"hi\"", "x y"}));
    EXPECT_EQ((*rows)[2].line, 5u);
    EXPECT_EQ((*rows)[2].fields, (std::vector<std::string>{"two\r\nlines", ""}));
    EXPECT_EQ((*rows)[3].line, 7u);
    EXPECT_EQ((*rows)[3].fields, (std::vector<std::string>{"", "last"}));
    EXPECT_EQ(ReadCsv("a\tb,\t c \t,5\"6")->front().fields,
              (std::vector<std::string>{"a\tb", "\t c \t", "5\"6"}));

    // Broken quoting is refused with its line: the fuzzing corpus holds those cases.

    for (const std::string text : {"plain", "", "Mer,lin", "say \"hi\"", "two\r\nlines", "\tTab"}) {
        EXPECT_EQ(ReadCsv(CsvField(text) + ",z")->front().fields, (std::vector<std::string>{text, "z"}))
            << text;
    }
}

// Text fields: Windows-1252 in the file, UTF-8 in the CSV, no silent cut, the same trimming both ways.
TEST(HistoryCsvSafetyTest, TextFieldsAreEncodedCheckedAndRoundTrip) {
    test::TempDir dir;
    const std::string merlin = "2015-10-07,30,7,44,11,49,5,25,4,M\u00E9rlin\u00E9\u00E9\u20AC\n";
    const auto imported = ImportHistoryCsv(Game::Lotto, "\xEF\xBB\xBF" + kLottoHeader + merlin, dir.Path());
    ASSERT_TRUE(imported.has_value()) << imported.error().text;
    // Nine characters are nine bytes in the file, whatever UTF-8 took for them.
    const std::string slot = dir.Read("LottoHistory.dat");
    EXPECT_EQ(slot.substr(24, 9), "M\xE9rlin\xE9\xE9\x80");
    EXPECT_EQ(ExportHistoryCsv(Game::Lotto, dir.Path()).value(), kLottoHeader + merlin);

    // A comma, a quote and inner blanks come back as they went in; the padding does not.
    const std::string odd = kThunderballHeader +
                            "2010-05-08,5,6,7,8,10,12,\"3,\",\"Ex \"\"A\"\" \"\n"
                            "2010-05-05,5,6,7,8,11,12,  x  ,  Arthur   \n";
    ASSERT_TRUE(ImportHistoryCsv(Game::Thunderball, odd, dir.Path()).has_value());
    const std::string first = ExportHistoryCsv(Game::Thunderball, dir.Path()).value();
    EXPECT_EQ(first, kThunderballHeader +
                         "2010-05-08,5,6,7,8,10,12,\"3,\",\"Ex \"\"A\"\"\"\n"
                         "2010-05-05,5,6,7,8,11,12,x,Arthur\n");
    ASSERT_TRUE(ImportHistoryCsv(Game::Thunderball, first, dir.Path()).has_value());
    EXPECT_EQ(ExportHistoryCsv(Game::Thunderball, dir.Path()).value(), first);
    // Lotto Extra's set is text too, and may go beyond ASCII.
    const std::string extra =
        HistoryCsvHeader(Game::LottoExtra) + "\n2015-10-07,1,2,3,4,5,6,\u00E9t\u00E9,Merlin\n";
    ASSERT_TRUE(ImportHistoryCsv(Game::LottoExtra, extra, dir.Path()).has_value());
    EXPECT_EQ(ExportHistoryCsv(Game::LottoExtra, dir.Path()).value(), extra);

    const std::pair<std::string, std::string> refused[] = {
        {"2015-10-07,30,7,44,11,49,5,25,4,M\u00E9rlin\u00E9\u00E9\u00E9\u00E9\n",
         "line 2: machine \"M\u00E9rlin\u00E9\u00E9\u00E9\u00E9\" is 10 characters long; a Lotto machine "
         "holds at most 9"},
        // Characters a record cannot hold, and ASCII too long, are the fuzzing corpus's cases.
        {"2015-10-07,30,7,44,11,49,5,25,-4,Arthur\n",
         "line 2: ball_set \"-4\" is not a whole number from 0 to 32767"},
        {"2015-10-07,30,7,44,11,49,5,25,40000,Arthur\n",
         "line 2: ball_set \"40000\" is not a whole number from 0 to 32767"},
    };
    for (const auto& [row, message] : refused) {
        test::TempDir empty;
        const auto result = ImportHistoryCsv(Game::Lotto, kLottoHeader + row, empty.Path());
        ASSERT_FALSE(result.has_value()) << row;
        EXPECT_EQ(result.error().text, message);
        EXPECT_FALSE(fs::exists(HistoryPath(empty.Path(), Game::Lotto)));
    }
}

// The backup of a replaced history is HistoryChangeTest's; a CSV file's errors start with its path (the
// reasons are the reader's), and leave the history.
TEST(HistoryCsvSafetyTest, ACsvFilesErrorsNameIt) {
    test::TempDir dir;
    EXPECT_EQ(ImportHistoryCsvFile(Game::Lotto, dir / "none.csv", dir.Path()).error().text,
              (dir / "none.csv").string() + ": no such file");
    const auto bad = dir.Write("bad.csv", kLottoHeader + "2015-10-07,30,7,44,11,49,5,50,4,Arthur\n");
    EXPECT_EQ(ImportHistoryCsvFile(Game::Lotto, bad, dir.Path()).error().text,
              bad.string() + ": line 2: extra \"50\" is not a number from 1 to 49");
    EXPECT_FALSE(fs::exists(HistoryPath(dir.Path(), Game::Lotto)));
}

TEST(HistoryCsvSafetyTest, AMergeAddsOnlyNewerDrawsAndRefusesAConflict) {
    test::TempDir dir;
    const std::string held = kThunderballHeader +
                             "2010-05-08,5,6,7,8,10,12,3,Excalibur 5\n"
                             "2010-05-05,1,2,3,4,5,6,3,Excalibur 5\n";
    ASSERT_TRUE(ImportHistoryCsv(Game::Thunderball, held, dir.Path()).has_value());
    const std::string before = dir.Read("ThunderballHistory.dat");

    // The same numbers in another order are the same draw; an older unknown draw is left out.
    const std::string weekly = kThunderballHeader +
                               "2010-05-15,9,10,11,12,13,14,1,Excalibur 6\n"
                               "2010-05-12,20,21,22,23,24,1,1,Excalibur 6\n"
                               "2010-05-08,10,8,7,6,5,12,3,Excalibur 5\n"
                               "2010-05-01,1,2,3,4,5,6,3,Excalibur 5\n";
    auto report = ImportHistoryCsv(Game::Thunderball, weekly, dir.Path(), ImportMode::Merge);
    ASSERT_TRUE(report.has_value()) << report.error().text;
    EXPECT_EQ(std::tuple(report->draws, report->added, report->alreadyHeld, report->older),
              std::tuple(4u, 2u, 1u, 1u));
    ASSERT_TRUE(report->backup);
    EXPECT_EQ(dir.Read("ThunderballHistory.dat.bak"), before);
    EXPECT_EQ(ExportHistoryCsv(Game::Thunderball, dir.Path()).value(),
              kThunderballHeader + "2010-05-15,9,10,11,12,13,14,1,Excalibur 6\n" +
                  "2010-05-12,20,21,22,23,24,1,1,Excalibur 6\n" + held.substr(kThunderballHeader.size()));

    // Merging the same CSV again adds nothing and writes nothing.
    const std::string after = dir.Read("ThunderballHistory.dat");
    report = ImportHistoryCsv(Game::Thunderball, weekly, dir.Path(), ImportMode::Merge);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->added, 0u);
    EXPECT_FALSE(report->backup);
    EXPECT_EQ(dir.Read("ThunderballHistory.dat"), after);

    const auto conflict = ImportHistoryCsv(Game::Thunderball,
                                           kThunderballHeader +
                                               "2010-05-20,1,2,3,4,5,6,1,X\n"
                                               "2010-05-08,5,6,7,8,11,12,3,Excalibur 5\n",
                                           dir.Path(), ImportMode::Merge);
    ASSERT_FALSE(conflict.has_value());
    EXPECT_EQ(
        conflict.error().text,
        "line 3: the draw on 08/05/2010 (5 6 7 8 11 + 12) differs from the draw the history holds on that "
        "date (5 6 7 8 10 + 12)");
    EXPECT_EQ(dir.Read("ThunderballHistory.dat"), after);

    // Into a missing history a merge is a plain import; into a damaged one it is refused.
    test::TempDir fresh;
    report = ImportHistoryCsv(Game::Thunderball, weekly, fresh.Path(), ImportMode::Merge);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->added, 4u);
    test::HistoryBuilder<ThunderballDrawRec>().Draw({1, 2, 3, 4, 40}, 1).WriteTo(fresh.Path());
    const auto damaged = ImportHistoryCsv(Game::Thunderball, weekly, fresh.Path(), ImportMode::Merge);
    ASSERT_FALSE(damaged.has_value());
    EXPECT_NE(damaged.error().text.find("record 1 (draw 1): ball5 is 40"), std::string::npos);
}

TEST(HistoryCsvSafetyTest, ADamagedHistoryIsNotExported) {
    test::TempDir dir;
    test::HistoryBuilder<LottoDrawRec>()
        .Draw({1, 2, 3, 4, 5, 6}, 7)
        .Draw({1, 2, 3, 4, 5, 0}, 7)
        .Draw({1, 1, 3, 4, 5, 6}, 7, std::numeric_limits<double>::quiet_NaN())
        .WriteTo(dir.Path());
    const auto exported = ExportHistoryCsv(Game::Lotto, dir.Path());
    ASSERT_FALSE(exported.has_value());
    // The records' faults are HistoryCheckTest's.
    EXPECT_EQ(exported.error().text, HistoryPath(dir.Path(), Game::Lotto).string() +
                                         ": 3 damaged records; the export was refused:\n" +
                                         DescribeProblems(VerifyHistory(Game::Lotto, dir.Path()).value()));
    // An empty history exports its header alone, which imports back as an empty history.
    test::TempDir none;
    none.Write("DailyPlayHistory.dat", "");
    const std::string header = HistoryCsvHeader(Game::DailyPlay) + "\n";
    EXPECT_EQ(ExportHistoryCsv(Game::DailyPlay, none.Path()).value(), header);
    ASSERT_TRUE(ImportHistoryCsv(Game::DailyPlay, header, dir.Path()).has_value());
    EXPECT_EQ(dir.Read("DailyPlayHistory.dat"), "");
}

}  // namespace
}  // namespace quintara
