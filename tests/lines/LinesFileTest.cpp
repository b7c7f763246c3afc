#include <filesystem>
#include <gtest/gtest.h>

#include "core/Dates.h"
#include "core/Files.h"
#include "generate/Listing.h"
#include "lines/LinesFile.h"
#include "support/TempDir.h"
#include "support/WriteFault.h"

namespace quintara {
namespace {

using test::TempDir;

const std::string kZone(14, ' ');

// A number in its print zone, as the print statement leaves it before the next number.
std::string Cell(int number) {
    std::string cell = " " + std::to_string(number) + " ";
    cell.resize(14, ' ');
    return cell;
}

LottoDrawRec Line(std::array<std::int16_t, 6> balls) {
    LottoDrawRec line;
    line.Balls = balls;
    return line;
}

SavedLines ThreeLottoLines() {
    return SavedLines{
        Game::Lotto,
        {Line({1, 9, 10, 22, 38, 49}), Line({2, 3, 4, 5, 6, 7}), Line({11, 12, 13, 14, 15, 16})},
        {}};
}

TEST(LinesFileTest, SavedFilesLoadBackAsTheSameLinesInEveryGame) {
    TempDir dir;
    const double date = SerialFromCivil({2015, 10, 7});

    const SavedLines lotto = ThreeLottoLines();
    SavedLines lottoExtra = lotto;
    lottoExtra.game = Game::LottoExtra;
    SavedLines thunderball{Game::Thunderball, {Line({3, 14, 15, 20, 34, 9}), Line({1, 2, 3, 4, 5, 14})}, {}};
    SavedLines dailyPlay{Game::DailyPlay, {}, {}};
    dailyPlay.dailyPlay.Resize(2);
    dailyPlay.dailyPlay[1].Balls = {1, 2, 3, 4, 5, 6, 27};
    dailyPlay.dailyPlay[2].Balls = {7, 8, 9, 10, 11, 12, 13};

    const std::tuple<const SavedLines&, const char*, std::size_t> cases[] = {
        // lines, binary file, bytes
        {lotto, "picks.lot", 3U * 44},
        {lottoExtra, "picks.lxt", 3U * 48},
        {thunderball, "picks.thu", 2U * 52},
        {dailyPlay, "picks.dly", 2U * 52},
    };
    for (const auto& [lines, binaryName, bytes] : cases) {
        SCOPED_TRACE(binaryName);
        ASSERT_TRUE(SaveLines(dir / "picks.txt", lines, date).has_value());
        EXPECT_EQ(std::filesystem::file_size(dir / binaryName), bytes);
        EXPECT_EQ(dir.Read("picks.txt"), SavedLinesText(lines, date));

        const auto loaded = ReadLinesFile(dir / binaryName, lines.game);
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(std::tie(loaded->picked, loaded->dailyPlay), std::tie(lines.picked, lines.dailyPlay));
    }
    // The Thunderball, Ball6 of a Thunderball line, came back with it; the listing leaves it out of the text.
}

TEST(LinesFileTest, OnlyWholeFilesOfTheGamesLinesAreRead) {
    TempDir dir;
    const std::string three = EncodeLinesFile(ThreeLottoLines());
    const auto withLine2 = [&](Game game, std::array<std::int16_t, 6> balls) {
        SavedLines lines = ThreeLottoLines();
        lines.game = game;
        lines.picked[1].Balls = lines.picked[3].Balls = {1, 2, 3, 4, 5, 6};
        lines.picked[2].Balls = balls;
        return EncodeLinesFile(lines);
    };
    SavedLines ballSeven{Game::DailyPlay, {}, {}};
    ballSeven.dailyPlay.Resize(1);
    ballSeven.dailyPlay[1].Balls = {1, 2, 3, 4, 5, 6, 28};

    const struct {
        const char* name;
        Game game;
        std::string bytes;
        const char* fault;  // "" when the file reads
    } cases[] = {
        {"empty.lot", Game::Lotto, "", ""},  // the single zeroed line 1
        {"part.lot", Game::Lotto, three.substr(0, 20),
         ": its 20 bytes are not a whole number of Lotto lines of 44 bytes"},
        {"high.lot", Game::Lotto, withLine2(Game::Lotto, {1, 2, 3, 4, 5, 12329}),
         ": line 2: ball 12329 is not a number from 1 to 49"},
        {"zeros.lot", Game::Lotto, withLine2(Game::Lotto, {0, 0, 0, 0, 0, 0}), ""},
        {"somezeros.lot", Game::Lotto, withLine2(Game::Lotto, {0, 0, 0, 0, 0, 6}), ": line 2: ball 0 is not"},
        {"twice.lot", Game::Lotto, withLine2(Game::Lotto, {7, 2, 3, 7, 5, 6}),
         ": line 2: ball 7 is there twice"},
        {"wheel.thu", Game::Thunderball, withLine2(Game::Thunderball, {1, 2, 3, 4, 34, 0}), ""},
        {"tb35.thu", Game::Thunderball, withLine2(Game::Thunderball, {1, 2, 3, 4, 35, 0}),
         ": line 2: ball 35 is not a number from 1 to 34"},
        {"tb15.thu", Game::Thunderball, withLine2(Game::Thunderball, {1, 2, 3, 4, 5, 15}),
         ": line 2: the Thunderball 15 is not a number from 1 to 14"},
        {"ball7.dly", Game::DailyPlay, EncodeLinesFile(ballSeven),
         ": line 1: ball 28 is not a number from 1 to 27"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = dir.Write(c.name, c.bytes);
        const auto lines = ReadLinesFile(path, c.game);
        if (std::string_view(c.fault).empty()) {
            EXPECT_TRUE(lines.has_value()) << lines.error().text;
        } else {
            ASSERT_FALSE(lines.has_value());
            EXPECT_TRUE(lines.error().text.starts_with(path.string() + c.fault)) << lines.error().text;
        }
    }
    EXPECT_EQ(ReadLinesFile(dir / "empty.lot", Game::Lotto)->picked, OneBased<LottoDrawRec>(1));
    EXPECT_EQ(ReadLinesFile(dir.Write("empty.dly", ""), Game::DailyPlay)->dailyPlay,
              OneBased<DailyPlayDrawRec>(1));

    // The reader's own errors are FilesTest's.
    EXPECT_EQ(ReadLinesFile(dir / "gone.lot", Game::Lotto).error().cause, RefusalCause::Missing);
}

TEST(LinesFileTest, NamesExtensionsAndFilters) {
    const std::tuple<const char*, Game, const char*> names[] = {
        // the name chosen, its game, the binary
        {"picks.txt", Game::Lotto, "picks.lot"},
        {"a.b.txt", Game::Lotto, "a.b.lot"},
        {"picks", Game::Thunderball, "picks.thu"},
        {"my.folder/picks", Game::LottoExtra, "my.folder/picks.lxt"},
        {"/tmp/x.TXT", Game::DailyPlay, "/tmp/x.dly"},
        {"/tmp/.txt", Game::Lotto, "/tmp/.lot"},  // a name that is all extension
    };
    for (const auto& [chosen, game, binary] : names) {
        EXPECT_EQ(BinaryLinesName(chosen, game), std::filesystem::path(binary)) << chosen;
    }

    const std::pair<const char*, std::optional<Game>> games[] = {
        {"saved.Lot", Game::Lotto},    {"OLD.FIL", Game::Lotto},       {"x/y.lxt", Game::LottoExtra},
        {"y.THU", Game::Thunderball},  {"z.dly", Game::DailyPlay},     {"picks.txt", std::nullopt},
        {"noextension", std::nullopt}, {"dir.lot/file", std::nullopt}, {"a.lotx", std::nullopt},
    };
    for (const auto& [path, game] : games) {
        EXPECT_EQ(GameOfLinesFile(path), game) << path;
    }
}

TEST(LinesFileTest, TheTextFileIsTheListingWithTwoEmptyLinesAfterADailyPlayEntry) {
    const double date = SerialFromCivil({2015, 10, 7});
    const SavedLines lotto = ThreeLottoLines();
    EXPECT_EQ(SavedLinesText(lotto, date), PickedLinesListing(Game::Lotto, lotto.picked, {}, date));

    // Daily Play: seven numbers and two empty lines after each entry, where the listing has three.
    SavedLines daily{Game::DailyPlay, {}, {}};
    daily.dailyPlay.Resize(1);
    daily.dailyPlay[1].Balls = {1, 2, 3, 4, 5, 6, 27};
    EXPECT_EQ(SavedLinesText(daily, SerialFromCivil({2024, 2, 29})),
              "\r\n\r\n" + kZone + "Generated Daily Play Numbers\r\n\r\n\r\n\r\n" +                         //
                  kZone + Cell(1) + Cell(2) + Cell(3) + Cell(4) + Cell(5) + Cell(6) + " 27 \r\n\r\n\r\n" +  //
                  kZone + " 1 lines generated on 29/02/2024\r\n");
}

TEST(LinesFileTest, AFailedSaveLeavesTheOldFilesWhole) {
    const double date = SerialFromCivil({2015, 10, 7});
    // One file of the pair cannot be written or replaced: the pair stays old, the text file too (it is
    // renamed first), or is removed again when there was none; a folder that cannot be flushed after
    // both renames leaves both new, with a warning.
    const std::tuple<const char*, WriteStep, bool> cases[] = {
        // what fails, its step, whether a pair was there
        {"the binary file cannot be written", WriteStep::Write, true},
        {"the binary file cannot replace the old one", WriteStep::Rename, true},
        {"the binary file cannot be made", WriteStep::Rename, false},
    };
    for (const auto& [what, step, oldPair] : cases) {
        SCOPED_TRACE(what);
        TempDir place;
        if (oldPair) {
            place.Write("old.txt", "old text");
            place.Write("old.lot", "old lines");
        }
        const test::WriteFaultScope fault(step, "old.lot");
        const auto result = SaveLines(place / "old.txt", ThreeLottoLines(), date);
        ASSERT_FALSE(result.has_value());
        EXPECT_TRUE(result.error().text.starts_with((place / "old.lot").string() + ": "))
            << result.error().text;
        EXPECT_EQ(result.error().text.find("could not be put back"), std::string::npos);
        EXPECT_EQ(place.Read("old.txt"), oldPair ? "old text" : "");
        EXPECT_EQ(std::filesystem::exists(place / "old.txt"), oldPair);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(place.Path()), {}), oldPair ? 2 : 0);
    }
    TempDir place;
    const test::WriteFaultScope fault(WriteStep::FolderFlush, "old.txt");
    const auto saved = SaveLines(place / "old.txt", ThreeLottoLines(), date);
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->warning.ends_with("so it may not survive a power cut"))
        << saved->warning;  // FilesTest's
    EXPECT_EQ(place.Read("old.lot"), EncodeLinesFile(ThreeLottoLines()));
}

TEST(LinesFileTest, AFileLargerThanAnySavedLinesIsNotRead) {
    TempDir dir;
    const auto huge = dir / "huge.lot";
    std::filesystem::resize_file(dir.Write("huge.lot", ""), kMostLinesFileBytes + 1);
    // The message is FilesTest's; here, the limit the reader gives.
    EXPECT_TRUE(ReadLinesFile(huge, Game::Lotto)
                    .error()
                    .text.ends_with("(at most " + std::to_string(kMostLinesFileBytes) + " bytes)"));
}

}  // namespace
}  // namespace quintara
