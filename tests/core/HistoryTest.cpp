#include <gtest/gtest.h>

#include "core/History.h"
#include "support/HistoryBuilder.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

TEST(HistoryTest, SlotOneIsTheNewestDrawAndCarriesTheHighestNumber) {
    test::TempDir dir;
    const auto history = test::HistoryBuilder<LottoDrawRec>()
                             .Draw({1, 2, 3, 4, 5, 6}, 7)
                             .Draw({11, 12, 13, 14, 15, 16}, 17)
                             .Draw({21, 22, 23, 24, 25, 26}, 27);
    history.WriteTo(dir.Path());
    const auto loaded = LoadHistory(Game::Lotto, dir.Path());
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(std::get<OneBased<LottoDrawRec>>(loaded->draws), history.Draws());

    // A trailing partial slot is not a draw.
    const auto path = HistoryPath(dir.Path(), Game::Lotto);
    std::filesystem::resize_file(path, 3 * 44 + 20);
    EXPECT_EQ(std::get<OneBased<LottoDrawRec>>(LoadHistory(Game::Lotto, dir.Path()).value().draws).Size(),
              3u);
}

TEST(HistoryTest, MissingEmptyAndPartialFilesFail) {
    test::TempDir dir;
    const auto path = HistoryPath(dir.Path(), Game::Thunderball);

    const auto missing = LoadHistory(Game::Thunderball, dir.Path());
    ASSERT_FALSE(missing.has_value());
    EXPECT_EQ(missing.error().cause, RefusalCause::Missing);
    EXPECT_FALSE(std::filesystem::exists(path));  // no file until a draw is written
    dir.Write("ThunderballHistory.dat", "");

    EXPECT_EQ(LoadHistory(Game::Thunderball, dir.Path()).error().cause, RefusalCause::Empty);
    dir.Write("ThunderballHistory.dat", std::string(51, '\0'));
    EXPECT_EQ(LoadHistory(Game::Thunderball, dir.Path()).error().cause, RefusalCause::Empty);

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(LoadHistory(Game::Thunderball, dir.Path()).error().cause, RefusalCause::Unreadable);
}

TEST(HistoryTest, GamesWithTheSameSlotLengthKeepTheirOwnLayouts) {
    test::TempDir dir;
    DailyPlayDrawRec daily{40000, {1, 2, 3, 4, 5, 6, 7}, "S1", "Machine 1"};
    WriteRecordFile(HistoryPath(dir.Path(), Game::DailyPlay), 52, OneBased<DailyPlayDrawRec>{daily}).value();
    const auto loaded = LoadHistory(Game::DailyPlay, dir.Path());
    ASSERT_TRUE(loaded.has_value());
    const auto& draws = std::get<OneBased<DailyPlayDrawRec>>(loaded->draws);
    EXPECT_EQ(draws[1], daily);
    EXPECT_EQ(loaded->statistics.BallFrequency.Size(), 27u);
    EXPECT_TRUE(loaded->statistics.ThunderballFrequency.Empty());
}

TEST(HistoryTest, EachGameHasItsOwnFailureMessage) {
    // The titles name the game, Daily Play's with a small "play".
    EXPECT_EQ(HistoryLoadFailure(Game::LottoExtra).title, "Error trying to load Lotto Extra History File");
    EXPECT_EQ(HistoryLoadFailure(Game::DailyPlay).title, "Error trying to load Daily play History File");
    EXPECT_EQ(HistoryLoadFailure(Game::Lotto).text,
              "There was an Error trying to load the Lotto History file.\r\n"
              "Please make sure that it is present in the Directory Quintara is installed to!\r\n"
              "If not present: " +
                  HowToGetDraws(Game::Lotto));
    EXPECT_NE(HowToGetDraws(Game::Thunderball39).find("\"Download Latest Results\""), std::string::npos);
    EXPECT_EQ(HowToGetDraws(Game::Lotto).find("Download"), std::string::npos);
    EXPECT_EQ(HistoryLoadFailure(Game::DailyPlay).text,
              "There was an Error trying to load the Daily Play History file.\r\n"
              "Please make sure that it is present in the Directory Quintara is installed to!");
}

}  // namespace
}  // namespace quintara
