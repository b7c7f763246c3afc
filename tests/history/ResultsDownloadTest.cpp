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

// A results file adds its newer draws as the merge does, once (what the merge refuses is HistoryCsvTest's).
TEST(ResultsDownloadTest, ADownloadMergesItsNewDraws) {
    test::TempDir dir;
    const Game game = Game::Thunderball39;
    ASSERT_TRUE(ImportHistoryCsv(game, kHeader + kHeld, dir.Path()).has_value());
    const std::string newer = "12-Jun-2026,39,2,3,4,1,14,T6,Excalibur 7,3501\n";
    const std::string body = kHeader + newer + "10-Jun-2026,9,8,7,6,5,4,T6,Excalibur 7,3500\n" + kHeld;
    const auto added = MergeDownloadedResults(game, body, dir.Path());
    ASSERT_TRUE(added.has_value()) << added.error().text;
    EXPECT_EQ(ResultsMergeText(game, *added),
              "Added 2 draws to the Thunderball 39 history; the newest is of 12/06/2026.");
    const auto again = MergeDownloadedResults(game, body, dir.Path());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(ResultsMergeText(game, *again), "The Thunderball 39 history was already up to date.");
}

}  // namespace
}  // namespace quintara
