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
        ASSERT_TRUE(read.Ok()) << text;
        EXPECT_EQ(read.Value(), (Lines{"1,2,3,4,5,6,", "7,8,9,10,11,12,"}));
    }
    EXPECT_EQ(NormaliseWheelText("1 2 3 4 5\n", Game::Thunderball).Value(), Lines{"1,2,3,4,5,"});
    EXPECT_EQ(NormaliseWheelText("1 2 3 4 5 6 7\n", Game::DailyPlay).Value(), Lines{"1,2,3,4,5,6,7,"});
}

TEST(WheelFile, RefusesALineWithTheWrongFieldCount) {
    const struct {
        const char* text;
        Game game;
        int line;
    } cases[] = {
        {"1 2 3 4 5 6\n7 8 9 10 11 12\n1 2 3 4 5 6 7\n", Game::Lotto, 3},
        {"1 2 3 4 5 6\n", Game::Thunderball, 1},
        {"1 2 3 4 5 6\n", Game::DailyPlay, 1},
        {"1 2  3 4 5 6\n", Game::Lotto, 1},                   // two blanks make an empty field
        {"1 2 3 4 5 6\n\n7 8 9 10 11 12\n", Game::Lotto, 2},  // an empty line a single one
    };
    for (const auto& c : cases) {
        const WheelRead read = NormaliseWheelText(c.text, c.game);
        ASSERT_FALSE(read.Ok()) << c.text;
        EXPECT_EQ(read.GetError().problem, WheelProblem::FieldCount);
        EXPECT_EQ(read.GetError().line, c.line);
        EXPECT_EQ(read.GetError().title, "Incorrect Wheel");
        EXPECT_EQ(read.GetError().text,
                  "The Selected Wheel has incorrect numbers in Line, please select another!");
    }
    const WheelRead empty = NormaliseWheelText("", Game::Lotto);
    ASSERT_FALSE(empty.Ok());
    EXPECT_EQ(empty.GetError().problem, WheelProblem::NoLines);
    EXPECT_EQ(empty.GetError().title, "Incorrect Wheel");
}

TEST(WheelFile, ChecksPointerRangesWithTheBuiltInAndImportMessages) {
    const auto builtIn = [](const Lines& lines, Game game, int highest) {
        return CheckWheelPointers(lines, game, highest, WheelSource::BuiltIn);
    };
    EXPECT_FALSE(builtIn({"1,2,3,4,5,28,"}, Game::Lotto, 28));
    const auto range = builtIn({"1,2,3,4,5,6,", "1,2,3,4,5,29,"}, Game::Lotto, 28);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->problem, WheelProblem::OutOfRange);
    EXPECT_EQ(range->line, 2);
    EXPECT_EQ(range->title, "Incorrect Wheel Format");
    EXPECT_EQ(range->text, "Please ensure Wheel Pointers are within range 1 - 28");
    EXPECT_EQ(builtIn({"1,2,3,4,21,"}, Game::Thunderball, 20)->text,
              "Please ensure Wheel Pointers are within the range 1 - 20");
    EXPECT_EQ(builtIn({"1,2,3,4,5,6,17,"}, Game::DailyPlay, 16)->text,
              "Please ensure Wheel Pointers are within range 1 - 16");
    // Pointers of 0 and below name no final number and are refused like those above the range.
    for (const char* line : {"0,2,3,4,5,6,", "-1,2,3,4,5,6,", "1,2,3,4,5,40000,"}) {
        const auto refusal = builtIn({line}, Game::Lotto, 28);
        ASSERT_TRUE(refusal) << line;
        EXPECT_EQ(refusal->problem, WheelProblem::OutOfRange);
        EXPECT_EQ(refusal->text, "Please ensure Wheel Pointers are within range 1 - 28");
    }

    // An import names its own highest pointer with a sign blank; personal picks lower it.
    const int personal = ImportHighestPointer(Game::Lotto, true, 10);
    EXPECT_EQ(personal, 10);
    EXPECT_FALSE(CheckWheelPointers({"1,2,3,4,5,10,"}, Game::Lotto, personal, WheelSource::Import));
    EXPECT_EQ(CheckWheelPointers({"1,2,3,4,5,11,"}, Game::Lotto, personal, WheelSource::Import)->text,
              "Please ensure Wheel Pointers are within range 1 -  10");
    EXPECT_EQ(CheckWheelPointers({"1,2,3,4,21,"}, Game::Thunderball,
                                 ImportHighestPointer(Game::Thunderball, false, 3), WheelSource::Import)
                  ->text,
              "Please ensure Wheel Pointers are within the range 1 -  20");

    // A field that is no number is refused with its line; the first fault in line order wins.
    const auto notANumber = builtIn({"1,2,3,4,5,6,", "1,2,x,4,5,6,", "1,2,3,4,5,99,"}, Game::Lotto, 28);
    ASSERT_TRUE(notANumber);
    EXPECT_EQ(notANumber->problem, WheelProblem::NotANumber);
    EXPECT_EQ(notANumber->line, 2);
    EXPECT_EQ(notANumber->title, "Incorrect Wheel Format");
    EXPECT_NE(notANumber->text.find("Line 2"), std::string::npos);
    // A trailing blank leaves an empty sixth field in a Lotto line.
    EXPECT_EQ(builtIn(NormaliseWheelText("1 2 3 4 5 \n", Game::Lotto).Value(), Game::Lotto, 28)->problem,
              WheelProblem::NotANumber);
}

TEST(WheelFile, ReadsFilesAndNamesTheFailureOfEachCommand) {
    test::TempDir dir;
    const auto path = dir.Write("wheel.txt", "3 1 2 4 5 6\r\n7 8 9 10 11 12\r\n");
    const WheelRead read = ReadWheelFile(path, Game::Lotto, WheelSource::Import);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value(), (Lines{"3,1,2,4,5,6,", "7,8,9,10,11,12,"}));
    EXPECT_EQ(WheelPointers(read.Value()[1]), (std::vector<std::int16_t>{3, 1, 2, 4, 5, 6}));
    EXPECT_THROW(WheelPointers("1,x,3,"), GenerateError);

    const WheelRead builtIn = ReadWheelFile(dir / "none.txt", Game::Lotto, WheelSource::BuiltIn);
    ASSERT_FALSE(builtIn.Ok());
    EXPECT_EQ(builtIn.GetError().problem, WheelProblem::Unreadable);
    EXPECT_EQ(builtIn.GetError().title, "Default Wheel Not Loaded");
    EXPECT_EQ(builtIn.GetError().text,
              "Error Occured Importing Default Wheel. Please Try Restarting Quintara");
    const WheelRead import = ReadWheelFile(dir / "none.txt", Game::Lotto, WheelSource::Import);
    EXPECT_EQ(import.GetError().title, "Import Cancelled");
    EXPECT_EQ(import.GetError().text, "Unable to Load Wheel");
}

TEST(WheelFile, FileErrorsNameTheFileAndTheReason) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "folder.txt");
    const struct {
        std::filesystem::path path;
        WheelProblem problem;
        std::string detail;
    } cases[] = {
        {dir / "none.txt", WheelProblem::Unreadable, (dir / "none.txt").string() + ": no such file"},
        {dir / "folder.txt", WheelProblem::Unreadable,
         (dir / "folder.txt").string() + ": is a folder, not a file"},
        {dir.Write("empty.txt", ""), WheelProblem::NoLines,
         (dir / "empty.txt").string() + ": the file is empty"},
        {dir.Write("seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 6 7\n"), WheelProblem::FieldCount,
         (dir / "seven.txt").string() + ": line 2 holds 7 fields; a Lotto wheel line holds 6 pointers"},
    };
    for (const auto& c : cases) {
        for (const WheelSource source : {WheelSource::BuiltIn, WheelSource::Import}) {
            const WheelRead read = ReadWheelFile(c.path, Game::Lotto, source);
            ASSERT_FALSE(read.Ok()) << c.path;
            EXPECT_EQ(read.GetError().problem, c.problem);
            EXPECT_EQ(read.GetError().detail, c.detail);
            // The message box keeps its own fixed text.
            if (c.problem == WheelProblem::Unreadable) {
                EXPECT_EQ(read.GetError().text, source == WheelSource::BuiltIn ? kDefaultWheelNotLoaded.text
                                                                               : kImportCancelled.text);
            } else {
                EXPECT_EQ(read.GetError().text, kIncorrectWheel.text);
            }
        }
    }
}

// A wheel whose line holds a seventh pointer, or no line at all, must never reach Pick.
TEST(WheelFile, EveryCheckABuiltInWheelMustPassBeforeItIsSelected) {
    test::TempDir dir;
    const auto comma = dir.Write("comma.txt", "1 2 3 4 5 6\n7 8 9 10 11 12,13\n");
    // The blank count of the file format passes the line; the full check does not.
    ASSERT_TRUE(ReadWheelFile(comma, Game::Lotto, WheelSource::BuiltIn).Ok());
    const WheelRead checked = ReadCheckedWheel(comma, Game::Lotto, 28, WheelSource::BuiltIn);
    ASSERT_FALSE(checked.Ok());
    EXPECT_EQ(checked.GetError().problem, WheelProblem::FieldCount);
    EXPECT_EQ(checked.GetError().line, 2);
    EXPECT_EQ(checked.GetError().title, kIncorrectWheel.title);
    EXPECT_EQ(checked.GetError().text, kIncorrectWheel.text);
    EXPECT_EQ(checked.GetError().detail,
              comma.string() + ": line 2 holds 7 fields; a Lotto wheel line holds 6 pointers");

    const struct {
        Lines lines;
        Game game;
        WheelProblem problem;
    } refused[] = {
        {{}, Game::Lotto, WheelProblem::NoLines},  // what a refused first selection left behind
        {{"1,2,3,4,5,6,7,"}, Game::Lotto, WheelProblem::FieldCount},
        {{"1,2,3,4,"}, Game::Thunderball, WheelProblem::FieldCount},
        {{"1,2,3,4,5,6,", "1,2,3,4,5,6,29,"}, Game::Lotto, WheelProblem::FieldCount},
        {{"1,2,3,4,5,29,"}, Game::Lotto, WheelProblem::OutOfRange},
        {{"1,2,3,4,5,6,0,"}, Game::DailyPlay, WheelProblem::OutOfRange},
        {{"1,2,3,4,5,,"}, Game::Lotto, WheelProblem::NotANumber},
        {{"1,2,3,4,5,6,", "1,2,3,4,5,05,"}, Game::Lotto, WheelProblem::Repeated},
    };
    for (const auto& c : refused) {
        const auto refusal = CheckWheel(c.lines, c.game, Info(c.game).numbersChosen, WheelSource::BuiltIn);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->problem, c.problem);
        EXPECT_FALSE(refusal->detail.empty());
    }
    EXPECT_EQ(CheckWheel({"1,2,3,4,5,6,", "1,2,3,4,5,05,"}, Game::Lotto, 28, WheelSource::Import)->text,
              "Line 2 of the Wheel holds the Wheel Pointer 5 twice");
    EXPECT_FALSE(CheckWheel({"1,2,3,4,5,6,7,"}, Game::DailyPlay, 16, WheelSource::BuiltIn));
    const auto good = dir.Write("good.txt", "1 2 3 4 5\r\n16 17 18 19 20\r\n");
    const WheelRead read = ReadCheckedWheel(good, Game::Thunderball, 20, WheelSource::BuiltIn);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value(), (Lines{"1,2,3,4,5,", "16,17,18,19,20,"}));
}

}  // namespace
}  // namespace quintara
