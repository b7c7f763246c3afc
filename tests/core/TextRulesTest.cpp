#include <gtest/gtest.h>

#include "core/Dates.h"
#include "core/TextRules.h"

namespace quintara {
namespace {

TEST(TextRulesTest, NumericTextAndIntegerConversion) {
    for (const char* text : {"7", " 07 ", "-3", "+4", "2.5", ".5", "1e3", "12."}) {
        EXPECT_TRUE(IsNumeric(text)) << text;
    }
    for (const char* text : {"", " ", "7a", ".", "-", "1e", "1e5x", "1 2", "0x10", "1,000"}) {
        EXPECT_FALSE(IsNumeric(text)) << text;
    }
    EXPECT_EQ(ToInteger("3.5"), 4);
    EXPECT_EQ(ToInteger("2.5"), 2);
    EXPECT_EQ(ToInteger("-2.5"), -2);
    EXPECT_EQ(ToInteger(" 28 "), 28);
    EXPECT_EQ(ToInteger("32767"), 32767);
    EXPECT_EQ(ToInteger("-32768"), -32768);
    EXPECT_EQ(ToInteger("40000"), std::nullopt);
    EXPECT_EQ(ToInteger("32767.5"), std::nullopt);
    EXPECT_EQ(ToInteger("abc"), std::nullopt);
    EXPECT_EQ(ToLong("40000"), 40000);
}

TEST(TextRulesTest, NumbersWithTheirSignPlaceAndPrintZones) {
    EXPECT_EQ(std::tuple(SignBlank(28), SignBlank(0), SignBlank(-3)), std::tuple(" 28", " 0", "-3"));
    EXPECT_EQ(PrintNumber(5), " 5 ");

    PrintZoneWriter out;
    out.NextZone().Write(PrintNumber(5)).NextZone().Write(PrintNumber(12)).EndLine();
    out.Write("abcdefghijklmn").NextZone().Write("x");
    EXPECT_EQ(out.Text(), std::string(14, ' ') + " 5 " + std::string(11, ' ') + " 12 \r\n" +
                              "abcdefghijklmn" + std::string(14, ' ') + "x");
}

TEST(TextRulesTest, AveragesRoundHalfToEvenInTheirShortestForm) {
    EXPECT_EQ(FormatAverage(2065, 254), "8.13");  // 8.1299...
    EXPECT_EQ(FormatAverage(16, 2), "8");
    EXPECT_EQ(FormatAverage(49, 4), "12.25");
    EXPECT_EQ(FormatAverage(17, 2), "8.5");
    EXPECT_EQ(FormatAverage(1, 8), "0.12");  // 0.125 goes to the even hundredth
    EXPECT_EQ(FormatAverage(3, 8), "0.38");  // 0.375 likewise, upwards
    EXPECT_EQ(FormatAverage(5, 0), std::nullopt);
}

TEST(DatesTest, DayCountsFromTheEpochAndTheirTexts) {
    EXPECT_EQ(SerialFromCivil({1899, 12, 30}), 0);
    EXPECT_EQ(SerialFromCivil({2015, 10, 7}), 42284);
    EXPECT_EQ(FormatDate(42284), "07/10/2015");
    EXPECT_EQ(FormatDate(42284.75), "07/10/2015");
    EXPECT_EQ(FormatIsoDate(SerialFromCivil({1994, 11, 19})), "1994-11-19");
    EXPECT_EQ(CivilFromSerial(SerialFromCivil({2000, 2, 29})), (CivilDate{2000, 2, 29}));

    EXPECT_EQ(ParseDate("07/10/2015"), 42284);
    EXPECT_EQ(ParseDate("7/10/2015"), std::nullopt);
    EXPECT_EQ(ParseDate("31/02/2015"), std::nullopt);
    EXPECT_EQ(ParseDate("29/02/2016"), SerialFromCivil({2016, 2, 29}));
    EXPECT_EQ(ParseDate("29/02/1900"), std::nullopt);
    EXPECT_EQ(ParseIsoDate("2015-10-07"), 42284);
    EXPECT_EQ(ParseUserDate("7/10/2015"), 42284);
    EXPECT_EQ(ParseUserDate(" 2015-10-07 "), 42284);
    for (const char* bad :
         {"", "7/10/15", "07-10-2015", "2015/10/07", "7//2015", "aa/bb/cccc", "07/10/2015x"}) {
        EXPECT_EQ(ParseUserDate(bad), std::nullopt) << bad;
    }
}

}  // namespace
}  // namespace quintara
