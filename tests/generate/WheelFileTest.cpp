#include <gtest/gtest.h>

#include "generate/GenerateError.h"
#include "generate/WheelFile.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

using Lines = OneBased<std::string>;

TEST(WheelFile, NormalisesEveryLineEndingInLfOrCrLf) {
    for (const char* text : {"1 2 3 4 5 6\n7 8 9 10 11 12\n", "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n",
                             "1 2 3 4 5 6\r\n7 8 9 10 11 12"}) {
        const WheelRead read = NormaliseWheelText(text, Game::Lotto);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(read.value(), (Lines{"1,2,3,4,5,6,", "7,8,9,10,11,12,"}));
    }
    EXPECT_EQ(NormaliseWheelText("1 2 3 4 5 6 7\n", Game::DailyPlay).value(), Lines{"1,2,3,4,5,6,7,"});
}

TEST(WheelFile, RefusesALineWithTheWrongFieldCount) {
    const struct {
        const char* text;
        Game game;
        int line;
    } cases[] = {
        {"1 2 3 4 5 6\n7 8 9 10 11 12\n1 2 3 4 5 6 7\n", Game::Lotto, 3},
        {"1 2 3 4 5 6\n", Game::DailyPlay, 1},
        {"1 2  3 4 5 6\n", Game::Lotto, 1},                   // two blanks make an empty field
        {"1 2 3 4 5 6\n\n7 8 9 10 11 12\n", Game::Lotto, 2},  // an empty line a single one
    };
    for (const auto& c : cases) {
        const WheelRead read = NormaliseWheelText(c.text, c.game);
        ASSERT_FALSE(read.has_value()) << c.text;
        EXPECT_EQ(read.error().cause, RefusalCause::FieldCount);
        EXPECT_TRUE(read.error().detail.starts_with("line " + std::to_string(c.line) + " ")) << c.text;
    }
    const WheelRead empty = NormaliseWheelText("", Game::Lotto);
    ASSERT_FALSE(empty.has_value());
    EXPECT_EQ(empty.error().cause, RefusalCause::NoLines);
    EXPECT_EQ(empty.error().title, "Incorrect Wheel");
}

TEST(WheelFile, ChecksPointerRangesWithTheBuiltInAndImportMessages) {
    const auto builtIn = [](const Lines& lines, Game game, int highest) {
        return CheckWheelPointers(lines, game, highest, WheelSource::BuiltIn);
    };
    EXPECT_TRUE(builtIn({"1,2,3,4,5,28,"}, Game::Lotto, 28));
    const auto range = builtIn({"1,2,3,4,5,6,", "1,2,3,4,5,29,"}, Game::Lotto, 28);
    ASSERT_FALSE(range);
    EXPECT_TRUE(range.error().detail.starts_with("line 2 "));
    EXPECT_EQ(std::tie(range.error().cause, range.error().title, range.error().text),
              std::tuple(RefusalCause::OutOfRange, "Incorrect Wheel Format",
                         "Please ensure Wheel Pointers are within range 1 - 28"));
    EXPECT_EQ(builtIn({"1,2,3,4,21,"}, Game::Thunderball, 20).error().text,
              "Please ensure Wheel Pointers are within the range 1 - 20");
    // Pointers of 0 and below name no final number and are refused like those above the range.
    for (const char* line : {"0,2,3,4,5,6,", "-1,2,3,4,5,6,", "1,2,3,4,5,40000,"}) {
        const auto refusal = builtIn({line}, Game::Lotto, 28);
        ASSERT_FALSE(refusal) << line;
        EXPECT_EQ(refusal.error().cause, RefusalCause::OutOfRange);
    }

    // An import names its own highest pointer with a sign blank; personal picks lower it.
    const int personal = ImportHighestPointer(Game::Lotto, true, 10);
    EXPECT_EQ(personal, 10);
    EXPECT_TRUE(CheckWheelPointers({"1,2,3,4,5,10,"}, Game::Lotto, personal, WheelSource::Import));
    EXPECT_EQ(CheckWheelPointers({"1,2,3,4,5,11,"}, Game::Lotto, personal, WheelSource::Import).error().text,
              "Please ensure Wheel Pointers are within range 1 -  10");

    // A field that is no number is refused with its line; the first fault in line order wins.
    const auto notANumber = builtIn({"1,2,3,4,5,6,", "1,2,x,4,5,6,", "1,2,3,4,5,99,"}, Game::Lotto, 28);
    ASSERT_FALSE(notANumber);
    EXPECT_EQ(std::tie(notANumber.error().cause, notANumber.error().title),
              std::tuple(RefusalCause::NotANumber, "Incorrect Wheel Format"));
    EXPECT_TRUE(notANumber.error().text.starts_with("Line 2 "));
    // A trailing blank leaves an empty sixth field in a Lotto line.
    EXPECT_EQ(builtIn(NormaliseWheelText("1 2 3 4 5 \n", Game::Lotto).value(), Game::Lotto, 28).error().cause,
              RefusalCause::NotANumber);
}

TEST(WheelFile, FileErrorsNameTheFileAndTheReason) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "folder.txt");
    const struct {
        std::filesystem::path path;
        RefusalCause problem;
        std::string detail;
    } cases[] = {
        {dir / "none.txt", RefusalCause::Unreadable, (dir / "none.txt").string() + ": no such file"},
        {dir / "folder.txt", RefusalCause::Unreadable,
         (dir / "folder.txt").string() + ": is a folder, not a file"},
        {dir.Write("empty.txt", ""), RefusalCause::NoLines,
         (dir / "empty.txt").string() + ": the file is empty"},
        {dir.Write("seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 6 7\n"), RefusalCause::FieldCount,
         (dir / "seven.txt").string() + ": line 2 holds 7 fields; a Lotto wheel line holds 6 pointers"},
    };
    for (const auto& c : cases) {
        for (const WheelSource source : {WheelSource::BuiltIn, WheelSource::Import}) {
            const WheelRead read = ReadWheelFile(c.path, Game::Lotto, source);
            ASSERT_FALSE(read.has_value()) << c.path;
            EXPECT_EQ(std::tie(read.error().cause, read.error().detail), std::tie(c.problem, c.detail));
            // The message box keeps its own fixed text: a file that cannot be read says which command failed.
            const bool unreadable = c.problem == RefusalCause::Unreadable;
            const bool builtIn = source == WheelSource::BuiltIn;
            EXPECT_EQ(read.error().title, !unreadable ? "Incorrect Wheel"
                                          : builtIn   ? "Default Wheel Not Loaded"
                                                      : "Import Cancelled");
            EXPECT_EQ(read.error().text,
                      !unreadable ? "The Selected Wheel has incorrect numbers in Line, please select another!"
                      : builtIn   ? "Error Occured Importing Default Wheel. Please Try Restarting Quintara"
                                  : "Unable to Load Wheel");
        }
    }
}

// A wheel whose line holds a seventh pointer, or no line at all, must never reach Pick.
TEST(WheelFile, EveryCheckABuiltInWheelMustPassBeforeItIsSelected) {
    test::TempDir dir;
    const auto comma = dir.Write("comma.txt", "1 2 3 4 5 6\n7 8 9 10 11 12,13\n");
    // The blank count of the file format passes the line; the full check does not.
    ASSERT_TRUE(ReadWheelFile(comma, Game::Lotto, WheelSource::BuiltIn).has_value());
    const WheelRead checked = ReadCheckedWheel(comma, Game::Lotto, 28, WheelSource::BuiltIn);
    ASSERT_FALSE(checked.has_value());
    EXPECT_EQ(checked.error().cause, RefusalCause::FieldCount);
    EXPECT_EQ(checked.error().detail,
              comma.string() + ": line 2 holds 7 fields; a Lotto wheel line holds 6 pointers");

    const struct {
        Lines lines;
        Game game;
        RefusalCause problem;
    } refused[] = {
        {{}, Game::Lotto, RefusalCause::NoLines},  // what a refused first selection left behind
        {{"1,2,3,4,5,6,7,"}, Game::Lotto, RefusalCause::FieldCount},
        {{"1,2,3,4,5,29,"}, Game::Lotto, RefusalCause::OutOfRange},
        {{"1,2,3,4,5,,"}, Game::Lotto, RefusalCause::NotANumber},
        {{"1,2,3,4,5,6,", "1,2,3,4,5,05,"}, Game::Lotto, RefusalCause::Duplicate},
    };
    for (const auto& c : refused) {
        const auto refusal = CheckWheel(c.lines, c.game, Info(c.game).numbersChosen, WheelSource::BuiltIn);
        ASSERT_FALSE(refusal);
        EXPECT_EQ(refusal.error().cause, c.problem);
        EXPECT_FALSE(refusal.error().detail.empty());
    }
    EXPECT_EQ(
        CheckWheel({"1,2,3,4,5,6,", "1,2,3,4,5,05,"}, Game::Lotto, 28, WheelSource::Import).error().text,
        "Line 2 of the Wheel holds the Wheel Pointer 5 twice");
    EXPECT_TRUE(CheckWheel({"1,2,3,4,5,6,7,"}, Game::DailyPlay, 16, WheelSource::BuiltIn));
    const auto good = dir.Write("good.txt", "1 2 3 4 5\r\n16 17 18 19 20\r\n");
    EXPECT_EQ(ReadCheckedWheel(good, Game::Thunderball, 20, WheelSource::BuiltIn).value(),
              (Lines{"1,2,3,4,5,", "16,17,18,19,20,"}));
}

}  // namespace
}  // namespace quintara
