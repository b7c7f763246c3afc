#include <gtest/gtest.h>

#include "generate/GenerateError.h"
#include "generate/WheelFile.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

OneBased<std::string> Lines(std::initializer_list<std::string> lines) {
    return OneBased<std::string>(lines);
}

TEST(WheelFile, NormalisesEveryLineEndingInLfOrCrLf) {
    const OneBased<std::string> expected = Lines({"1,2,3,4,5,6,", "7,8,9,10,11,12,"});
    for (const char* text : {"1 2 3 4 5 6\n7 8 9 10 11 12\n", "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n",
                             "1 2 3 4 5 6\r\n7 8 9 10 11 12"}) {
        const WheelRead read = NormaliseWheelText(text, Game::Lotto);
        ASSERT_TRUE(read.Ok()) << text;
        EXPECT_EQ(read.lines, expected);
    }
    EXPECT_EQ(NormaliseWheelText("1 2 3 4 5\n", Game::Thunderball).lines, Lines({"1,2,3,4,5,"}));
    EXPECT_EQ(NormaliseWheelText("1 2 3 4 5 6 7\n", Game::DailyPlay).lines, Lines({"1,2,3,4,5,6,7,"}));
}

TEST(WheelFile, RefusesALineWithTheWrongFieldCount) {
    auto expectRefused = [](const char* text, Game game, int line) {
        const WheelRead read = NormaliseWheelText(text, game);
        ASSERT_FALSE(read.Ok()) << text;
        EXPECT_EQ(read.refusal->problem, WheelProblem::FieldCount);
        EXPECT_EQ(read.refusal->line, line);
        EXPECT_EQ(read.refusal->title, "Incorrect Wheel");
        EXPECT_EQ(read.refusal->text,
                  "The Selected Wheel has incorrect numbers in Line, please select another!");
        EXPECT_TRUE(read.lines.Empty());
    };
    expectRefused("1 2 3 4 5 6\n7 8 9 10 11 12\n1 2 3 4 5 6 7\n", Game::Lotto, 3);
    expectRefused("1 2 3 4 5 6\n", Game::Thunderball, 1);
    expectRefused("1 2 3 4 5 6\n", Game::DailyPlay, 1);
    // Two blanks make an empty field, an empty line a single one.
    expectRefused("1 2  3 4 5 6\n", Game::Lotto, 1);
    expectRefused("1 2 3 4 5 6\n\n7 8 9 10 11 12\n", Game::Lotto, 2);

    const WheelRead empty = NormaliseWheelText("", Game::Lotto);
    ASSERT_FALSE(empty.Ok());
    EXPECT_EQ(empty.refusal->problem, WheelProblem::NoLines);
    EXPECT_EQ(empty.refusal->title, "Incorrect Wheel");
}

TEST(WheelFile, ChecksPointerRangesWithTheBuiltInAndImportMessages) {
    auto refusal = [](const OneBased<std::string>& lines, Game game, int highest, WheelSource source) {
        return CheckWheelPointers(lines, game, highest, source);
    };
    EXPECT_FALSE(refusal(Lines({"1,2,3,4,5,28,"}), Game::Lotto, 28, WheelSource::BuiltIn));

    auto builtIn = refusal(Lines({"1,2,3,4,5,6,", "1,2,3,4,5,29,"}), Game::Lotto, 28, WheelSource::BuiltIn);
    ASSERT_TRUE(builtIn);
    EXPECT_EQ(builtIn->problem, WheelProblem::OutOfRange);
    EXPECT_EQ(builtIn->line, 2);
    EXPECT_EQ(builtIn->title, "Incorrect Wheel Format");
    EXPECT_EQ(builtIn->text, "Please ensure Wheel Pointers are within range 1 - 28");
    EXPECT_EQ(refusal(Lines({"1,2,3,4,21,"}), Game::Thunderball, 20, WheelSource::BuiltIn)->text,
              "Please ensure Wheel Pointers are within the range 1 - 20");
    EXPECT_EQ(refusal(Lines({"1,2,3,4,5,6,17,"}), Game::DailyPlay, 16, WheelSource::BuiltIn)->text,
              "Please ensure Wheel Pointers are within range 1 - 16");

    // An import names its own highest pointer with a sign blank; personal picks lower it.
    const int personal = ImportHighestPointer(Game::Lotto, true, 10);
    EXPECT_EQ(personal, 10);
    EXPECT_FALSE(refusal(Lines({"1,2,3,4,5,10,"}), Game::Lotto, personal, WheelSource::Import));
    EXPECT_EQ(refusal(Lines({"1,2,3,4,5,11,"}), Game::Lotto, personal, WheelSource::Import)->text,
              "Please ensure Wheel Pointers are within range 1 -  10");
    EXPECT_EQ(refusal(Lines({"1,2,3,4,21,"}), Game::Thunderball,
                      ImportHighestPointer(Game::Thunderball, false, 3), WheelSource::Import)
                  ->text,
              "Please ensure Wheel Pointers are within the range 1 -  20");

    // Pointers of 0 and below name no final number and are refused like those above the range.
    for (const char* line : {"0,2,3,4,5,6,", "-1,2,3,4,5,6,", "1,2,3,4,5,40000,"}) {
        const auto low = refusal(Lines({line}), Game::Lotto, 28, WheelSource::BuiltIn);
        ASSERT_TRUE(low) << line;
        EXPECT_EQ(low->problem, WheelProblem::OutOfRange);
        EXPECT_EQ(low->text, "Please ensure Wheel Pointers are within range 1 - 28");
    }

    // A field that is no number is refused with its line; the first fault in line order wins.
    const auto notANumber = refusal(Lines({"1,2,3,4,5,6,", "1,2,x,4,5,6,", "1,2,3,4,5,99,"}), Game::Lotto, 28,
                                    WheelSource::BuiltIn);
    ASSERT_TRUE(notANumber);
    EXPECT_EQ(notANumber->problem, WheelProblem::NotANumber);
    EXPECT_EQ(notANumber->line, 2);
    EXPECT_EQ(notANumber->title, "Incorrect Wheel Format");
    EXPECT_NE(notANumber->text.find("Line 2"), std::string::npos);
    // A trailing blank leaves an empty sixth field in a Lotto line.
    const WheelRead trailing = NormaliseWheelText("1 2 3 4 5 \n", Game::Lotto);
    ASSERT_TRUE(trailing.Ok());
    EXPECT_EQ(refusal(trailing.lines, Game::Lotto, 28, WheelSource::BuiltIn)->problem,
              WheelProblem::NotANumber);
}

TEST(WheelFile, ReadsFilesAndNamesTheFailureOfEachCommand) {
    test::TempDir dir;
    const auto path = dir.Write("wheel.txt", "3 1 2 4 5 6\r\n7 8 9 10 11 12\r\n");
    const WheelRead read = ReadWheelFile(path, Game::Lotto, WheelSource::Import);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.lines, Lines({"3,1,2,4,5,6,", "7,8,9,10,11,12,"}));
    EXPECT_EQ(WheelPointers(read.lines[1]), (std::vector<std::int16_t>{3, 1, 2, 4, 5, 6}));
    EXPECT_THROW(WheelPointers("1,x,3,"), GenerateError);

    const WheelRead missingBuiltIn = ReadWheelFile(dir / "none.txt", Game::Lotto, WheelSource::BuiltIn);
    ASSERT_FALSE(missingBuiltIn.Ok());
    EXPECT_EQ(missingBuiltIn.refusal->problem, WheelProblem::Unreadable);
    EXPECT_EQ(missingBuiltIn.refusal->title, "Default Wheel Not Loaded");
    EXPECT_EQ(missingBuiltIn.refusal->text,
              "Error Occured Importing Default Wheel. Please Try Restarting Quintara");
    const WheelRead missingImport = ReadWheelFile(dir / "none.txt", Game::Lotto, WheelSource::Import);
    EXPECT_EQ(missingImport.refusal->title, "Import Cancelled");
    EXPECT_EQ(missingImport.refusal->text, "Unable to Load Wheel");

    EXPECT_EQ(CustomWheelItem(12), "CUSTOM  12 Line Wheel");
}

}  // namespace
}  // namespace quintara
