#include <gtest/gtest.h>

#include "core/Dates.h"
#include "generate/Listing.h"

namespace quintara {
namespace {

const std::string kZone(14, ' ');

// A number in its print zone, as the print statement leaves it before the next number.
std::string Cell(int number) {
    std::string cell = " " + std::to_string(number) + " ";
    cell.resize(14, ' ');
    return cell;
}

TEST(Listing, LaysOutHeaderEntriesAndFooterInFourteenColumnZones) {
    OneBased<LottoDrawRec> lines(2);
    lines[1].Balls = {1, 9, 10, 22, 38, 49};
    lines[2].Balls = {2, 3, 4, 5, 6, 7};
    const double date = SerialFromCivil({2015, 10, 7});
    const std::string lotto = PickedLinesListing(Game::Lotto, lines, {}, date);
    const std::string expected =
        "\r\n\r\n" + kZone + "Generated Lotto Numbers\r\n\r\n\r\n\r\n" +                       //
        kZone + Cell(1) + Cell(9) + Cell(10) + Cell(22) + Cell(38) + " 49 \r\n\r\n\r\n\r\n" +  //
        kZone + Cell(2) + Cell(3) + Cell(4) + Cell(5) + Cell(6) + " 7 \r\n\r\n\r\n\r\n" +      //
        kZone + " 2 lines generated on 07/10/2015\r\n";
    EXPECT_EQ(lotto, expected);

    // Thunderball lists five numbers and leaves out the Thunderball field.
    lines[1].Balls = {3, 14, 15, 20, 34, 0};
    const std::string thunderball = PickedLinesListing(Game::Thunderball, lines, {}, date);
    EXPECT_NE(thunderball.find(kZone + Cell(3) + Cell(14) + Cell(15) + Cell(20) + " 34 \r\n"),
              std::string::npos);
    EXPECT_NE(thunderball.find("Generated Thunderball Numbers"), std::string::npos);
}

TEST(Listing, DailyPlayListsSevenNumbersFromItsOwnLines) {
    OneBased<DailyPlayDrawRec> daily(5);
    for (std::size_t i = 1; i <= 5; ++i) {
        daily[i].Balls = {1, 2, 3, 4, 5, 6, static_cast<std::int16_t>(20 + i)};
    }
    OneBased<LottoDrawRec> otherLines(3);
    const std::string text =
        PickedLinesListing(Game::DailyPlay, otherLines, daily, SerialFromCivil({2024, 2, 29}));
    EXPECT_NE(text.find(Cell(6) + " 25 \r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with(kZone + " 5 lines generated on 29/02/2024\r\n"));
}

}  // namespace
}  // namespace quintara
