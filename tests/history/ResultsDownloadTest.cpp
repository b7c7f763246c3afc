#include <gtest/gtest.h>

#include "core/Dates.h"
#include "core/History.h"
#include "history/ResultsDownload.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

const std::string kHeader =
    "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n";
const std::string kHeld = "06-Jun-2026,1,2,3,4,5,6,T5,Excalibur 3,3499\n";

TEST(ResultsDownloadTest, AnAddressInTheSettingsComesBeforeTheOperatorsOwn) {
    EXPECT_EQ(ResultsAddress(Game::Thunderball39, {}), Info(Game::Thunderball39).resultsCsvAddress);
    EXPECT_EQ(
        ResultsAddress(Game::Thunderball39, {{"Lotto 59", "http://a/"}, {"Thunderball 39", "http://b/"}}),
        "http://b/");
    EXPECT_EQ(ResultsAddress(Game::Lotto59, {{"Lotto 59", ""}}), Info(Game::Lotto59).resultsCsvAddress);
    EXPECT_EQ(ResultsAddress(Game::DailyPlay, {}), "");
}

// A results file adds its newer draws as the merge does, once; anything wrong with it leaves the history as
// it was, byte for byte.
TEST(ResultsDownloadTest, ADownloadMergesItsNewDrawsOrChangesNothing) {
    test::TempDir dir;
    const Game game = Game::Thunderball39;
    ASSERT_TRUE(ImportHistoryCsv(game, kHeader + kHeld, dir.Path()).has_value());
    const std::string file(Info(game).historyFile);
    const std::string newer = "12-Jun-2026,39,2,3,4,1,14,T6,Excalibur 7,3501\n";
    const struct {
        std::string body;
        std::string reason;  // the start of the refusal; "" where the body is taken
    } cases[] = {
        {"<!DOCTYPE html>\n<html>Please accept cookies</html>\n", "line 1: the header \"<!DOCTYPE html>\""},
        {kHeader + "12-Jun-2026,40,2,3,4,1,14,T6,Excalibur 7,3501\n", "line 2: "},
        {kHeader + newer + "06-Jun-2026,1,2,3,4,9,6,T5,Excalibur 3,3499\n", "line 3: the draw on 06/06/2026"},
        {"", "line 1: the header must read "},
    };
    for (const auto& c : cases) {
        const std::string before = dir.Read(file);
        const auto refused = MergeDownloadedResults(game, c.body, dir.Path());
        ASSERT_FALSE(refused.has_value()) << c.body;
        EXPECT_EQ(refused.error().text.rfind(c.reason, 0), 0u) << refused.error().text;
        EXPECT_EQ(dir.Read(file), before);
    }

    const std::string body = kHeader + newer + "10-Jun-2026,9,8,7,6,5,4,T6,Excalibur 7,3500\n" + kHeld;
    const auto added = MergeDownloadedResults(game, body, dir.Path());
    ASSERT_TRUE(added.has_value()) << added.error().text;
    EXPECT_EQ(added->added, 2u);
    EXPECT_EQ(ResultsMergeText(game, *added),
              "Added 2 draws to the Thunderball 39 history; the newest is of 12/06/2026.");
    EXPECT_TRUE(added->backup && std::filesystem::exists(*added->backup));
    const auto again = MergeDownloadedResults(game, body, dir.Path());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(ResultsMergeText(game, *again), "The Thunderball 39 history was already up to date.");
}

}  // namespace
}  // namespace quintara
