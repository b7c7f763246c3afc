#include <gtest/gtest.h>

#include "generate/Catalogue.h"
#include "generate/WheelGuarantees.h"

namespace quintara {
namespace {

TEST(WheelGuaranteesTest, TheLoadedLinesAreProvedAndEachGuaranteeReadsAsASentence) {
    // Two disjoint Thunderball lines over pointers 1..10: two drawn may fall one in each line.
    const WheelLines lines{"1,2,3,4,5,", "6,7,8,9,10,"};
    // The proof's figures are the ones its text names.
    EXPECT_EQ(WheelGuaranteesText("8 Line Wheel", ProveWheel(lines), "\n"),
              "Wheel: 8 Line Wheel\n"
              "2 lines of 5 numbers, with pointers 1 to 10: it wheels 10 numbers.\n\n"
              "Guaranteed, whichever of the numbers are drawn:\n\n"
              "If 1 of your 10 numbers is drawn, at least one line holds it.\n"
              "If 2 of your 10 numbers are drawn, at least one line holds 1 of them.\n"
              "If 3 of your 10 numbers are drawn, at least one line holds 2 of them.\n"
              "If 4 of your 10 numbers are drawn, at least one line holds 2 of them.\n"
              "If 5 of your 10 numbers are drawn, at least one line holds 3 of them.\n");

    CoverageRow none;
    none.drawn = 2;
    EXPECT_EQ(GuaranteeSentence(none, 12),
              "If 2 of your 12 numbers are drawn, no line is sure to hold any of them.");
    CoverageRow all;
    all.drawn = all.guaranteed = 3;
    EXPECT_EQ(GuaranteeSentence(all, 7),
              "If 3 of your 7 numbers are drawn, at least one line holds all 3 of them.");
}

TEST(WheelGuaranteesTest, ItemsWithoutAWheelAndLinesThatCannotBeProvedAreSaidSo) {
    const WheelLines lines{"1,2,3,4,5,6,"};
    EXPECT_EQ(
        WheelGuaranteesReport(kFortyNineWheelItem, lines, "\n"),
        "\"Approx 200 - 500 Line Wheel\" makes its lines without a wheel, so there is no wheel to prove.\n");
    EXPECT_EQ(WheelGuaranteesReport(kLoadCustomWheelItem, lines, "\n"),
              "No wheel is loaded: import one with Import Wheel in the File menu.\n");
    EXPECT_TRUE(WheelGuaranteesReport("CUSTOM  1 Line Wheel", WheelLines{"0,1,2,3,4,5,"}, "\n")
                    .starts_with("The loaded wheel cannot be proved: "));
    EXPECT_EQ(WheelGuaranteesReport("CUSTOM  1 Line Wheel", lines, "\r\n"),
              WheelGuaranteesText("CUSTOM  1 Line Wheel", ProveWheel(lines), "\r\n"));
}

}  // namespace
}  // namespace quintara
