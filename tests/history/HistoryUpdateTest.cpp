#include <algorithm>
#include <gtest/gtest.h>

#include "core/Dates.h"
#include "core/History.h"
#include "history/HistoryUpdate.h"
#include "support/HistoryBuilder.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

// The files of a folder but the history's lock file, which stays once made.
std::size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(
        std::count_if(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator(),
                      [](const auto& entry) { return entry.path().extension() != ".lock"; }));
}

test::HistoryBuilder<LottoDrawRec> LottoHistory(int draws) {
    test::HistoryBuilder<LottoDrawRec> history;
    for (int i = 0; i < draws; ++i) {
        const int first = 1 + i % 40;
        history.Draw({first, first + 1, first + 2, first + 3, first + 4, first + 5}, first + 9);
    }
    return history;
}

LottoDrawRec NewLottoDraw() {
    return LottoDrawRec{SerialFromCivil({2011, 1, 1}), {9, 8, 7, 6, 5, 4}, 3, 2, "ARTHUR"};
}

TEST(HistoryUpdateTest, ANewDrawBecomesDrawNPlusOne) {
    test::TempDir dir;
    const auto path = LottoHistory(3).WriteTo(dir.Path());
    const std::string before = dir.Read("LottoHistory.dat");

    const auto written = AddDraw(dir.Path(), NewLottoDraw());
    ASSERT_TRUE(written.has_value()) << written.error().text;
    EXPECT_EQ(std::tie(written->added, written->drawNumber, written->draws, written->file),
              std::tuple(true, 4, 4, path));
    const std::string after = dir.Read("LottoHistory.dat");
    ASSERT_EQ(after.size(), 4u * 44u);
    EXPECT_EQ(after.substr(44), before);
    EXPECT_EQ(ReadHistory<LottoDrawRec>(dir.Path()).value()[1], NewLottoDraw());
    EXPECT_EQ(FilesIn(dir.Path()), 1u);

    // A game without a file starts from draw 1; a correction needs a draw to correct.
    const ThunderballDrawRec first{SerialFromCivil({2011, 1, 1}), {1, 2, 3, 4, 5}, 14, "T1", "M"};
    EXPECT_EQ(HistoryDrawCount(Game::Thunderball, dir.Path()).value(), 0);
    EXPECT_FALSE(CorrectDraw(dir.Path(), 1, first).has_value());
    const auto started = WriteDraw(dir.Path(), 1, first);
    ASSERT_TRUE(started.has_value()) << started.error().text;
    EXPECT_TRUE(started->added);
    EXPECT_EQ(ReadHistory<ThunderballDrawRec>(dir.Path()).value()[1], first);
}

TEST(HistoryUpdateTest, ANewDrawMustBeDatedAfterTheNewestHeld) {
    test::TempDir dir;
    LottoHistory(3).WriteTo(dir.Path());
    const double newest = NewestDrawDate(Game::Lotto, dir.Path()).value().value();
    EXPECT_FALSE(NewestDrawDate(Game::Thunderball, dir.Path()).value().has_value());
    const std::string before = dir.Read("LottoHistory.dat");
    for (const double date : {newest, newest - 1}) {
        LottoDrawRec draw = NewLottoDraw();
        draw.DrawDate = date;
        EXPECT_FALSE(NewDrawDateFollows(Info(Game::Lotto), date, newest));
        const auto written = AddDraw(dir.Path(), draw);
        ASSERT_FALSE(written.has_value());
        EXPECT_EQ(written.error().text, NotLaterMessage(date, newest) + " The history file was not changed.");
        EXPECT_EQ(dir.Read("LottoHistory.dat"), before);
    }
    EXPECT_TRUE(NewDrawDateFollows(Info(Game::Lotto), newest + 1, newest));
}

TEST(HistoryUpdateTest, ACorrectionOfDraw998Of1000ChangesRecordThreeOnly) {
    test::TempDir dir;
    test::HistoryBuilder<ThunderballDrawRec> history;
    for (int i = 0; i < 1000; ++i) {
        history.Draw({1 + i % 30, 2 + i % 30, 3 + i % 30, 4 + i % 30, 5 + i % 30}, 1 + i % 14);
    }
    const auto path = history.WriteTo(dir.Path());
    // Filler bytes left by another writer stay as they were, in the corrected slot too.
    std::string before = dir.Read("ThunderballHistory.dat");
    for (std::size_t slot = 0; slot < 1000; ++slot) {
        before[slot * 52 + 51] = static_cast<char>(0xAB);
    }
    before += "xyz";  // a trailing partial slot
    ASSERT_TRUE(WriteFileAtomically(path, before).has_value());

    const ThunderballDrawRec corrected{
        SerialFromCivil({2011, 1, 1}), {30, 31, 32, 33, 34}, 14, "T9", "EXCALIBUR"};
    const auto written = WriteDraw(dir.Path(), 998, corrected);
    ASSERT_TRUE(written.has_value()) << written.error().text;
    EXPECT_EQ(std::tie(written->added, written->drawNumber, written->draws), std::tuple(false, 998, 1000));

    const std::string after = dir.Read("ThunderballHistory.dat");
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < 2 * 52 || i >= 3 * 52) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
    EXPECT_NE(after.substr(104, 52), before.substr(104, 52));
    EXPECT_EQ(after[104 + 51], static_cast<char>(0xAB));
    EXPECT_EQ(ReadHistory<ThunderballDrawRec>(dir.Path()).value()[3], corrected);

    for (std::int32_t number : {0, -1, 1002}) {
        const auto refused = WriteDraw(dir.Path(), number, corrected);
        ASSERT_FALSE(refused.has_value()) << number;
        EXPECT_EQ(refused.error().cause, RefusalCause::OutOfRange);
        EXPECT_NE(refused.error().text.find("was not changed"), std::string::npos);
    }
    EXPECT_FALSE(CorrectDraw(dir.Path(), 1001, corrected).has_value());
    EXPECT_EQ(dir.Read("ThunderballHistory.dat"), after);
    // The oldest and the newest draw can be corrected too.
    EXPECT_TRUE(WriteDraw(dir.Path(), 1, corrected) && WriteDraw(dir.Path(), 1000, corrected));
}

TEST(HistoryUpdateTest, AFailedWriteLeavesTheOldFileAndSaysSo) {
    test::TempDir dir;
    auto expectRefused = [](const Expected<HistoryWritten>& result, const std::filesystem::path& names) {
        ASSERT_FALSE(result.has_value());
        EXPECT_NE(result.error().text.find(names.string()), std::string::npos) << result.error().text;
        EXPECT_NE(result.error().text.find("The history file was not changed."), std::string::npos)
            << result.error().text;
    };

    // The application folder is a regular file.
    const auto notAFolder = dir.Write("plain", "not a folder");
    expectRefused(AddDraw(notAFolder, NewLottoDraw()), notAFolder / "LottoHistory.dat");
    // A disk that fills up is the update window's test, through this same path.
}

}  // namespace
}  // namespace quintara
