#include <cstdio>
#include <gtest/gtest.h>

#include "core/Dates.h"
#include "core/RecordFile.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

template <class Rec>
std::string Hex(const Rec& rec, std::size_t slotLength) {
    const std::string bytes = EncodeSlots(OneBased<Rec>{rec}, slotLength);
    std::string hex;
    char pair[3];
    for (const char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(c));
        hex += pair;
    }
    return hex;
}

const double kDate = SerialFromCivil({2015, 10, 7});

TEST(RecordsTest, EachRecordTypeHasItsExactBytesAndZeroFiller) {
    LottoDrawRec lotto{kDate, {30, 7, 44, 11, 49, 5}, 25, 4, "Guinevere"};
    EXPECT_EQ(Hex(lotto, 44),
              "0000000080a5e4401e0007002c000b0031000500190004004775696e6576657265" + std::string(22, '0'));

    LottoExtraDrawRec extra{kDate, {1, 2, 3, 4, 5, 6}, "AB", "Arthur"};
    EXPECT_EQ(Hex(extra, 48),
              "0000000080a5e44001000200030004000500060041422020417274687572202020" + std::string(30, '0'));

    ThunderballDrawRec thunderball{kDate, {5, 6, 7, 8, 10}, 13, "3", "Excalibur 5"};
    EXPECT_EQ(Hex(thunderball, 52), "0000000080a5e44005000600070008000a000d0033202020457863616c696275722035" +
                                        std::string(34, '0'));

    DailyPlayDrawRec daily{kDate, {1, 5, 7, 12, 19, 23, 27}, "T1", "Machine-12345"};
    EXPECT_EQ(Hex(daily, 52), "0000000080a5e4400100050007000c00130017001b00543120204d616368696e652d313233" +
                                  std::string(30, '0'));
}

TEST(RecordsTest, FilesRoundTripAndFixedStringsKeepTheirBlanks) {
    test::TempDir dir;
    OneBased<ThunderballDrawRec> draws{
        {kDate, {1, 2, 3, 4, 34}, 14, "T8", "Excalibur"},
        {kDate - 3, {-1, 0, 32767, -32768, 5}, 1, "", "a very long machine name"}};
    ASSERT_TRUE(WriteRecordFile(dir / "t.dat", 52, draws).has_value());
    const auto back = ReadRecordFile<ThunderballDrawRec>(dir / "t.dat", 52);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, draws);
    // Text is cut to its field and padded with blanks.
    EXPECT_EQ(draws[1].Machine.Text(), "Excalibur  ");
    EXPECT_EQ(draws[2].Machine.Text(), "a very long");
    EXPECT_EQ(draws[2].BallSet.Text(), "    ");
    // Lotto records in a longer slot (Lotto Extra's saved lines) are LinesFileTest's.
}

TEST(RecordsTest, OneBasedArraysCheckTheirBounds) {
    OneBased<int> values{5, 6, 7};
    EXPECT_EQ(values[1], 5);
    EXPECT_EQ(values[3], 7);
    EXPECT_THROW(values[0], IndexError);
    EXPECT_THROW(values[4], IndexError);
    values.Clear();
    EXPECT_THROW(values[1], IndexError);
}

}  // namespace
}  // namespace quintara
