#include <gtest/gtest.h>

#include "core/Dates.h"
#include "history/DrawEntry.h"

namespace quintara {
namespace {

using Balls = std::array<std::string, kBallBoxes>;

// A refusal at a box of the update window.
Refusal At(std::string text, std::string title, EntryBox box, bool emptyBox) {
    return {.title = std::move(title),
            .text = std::move(text),
            .box = static_cast<int>(box),
            .emptyBox = emptyBox};
}

Refusal InputError(const std::string& text, int box) {
    return At(text, "Input Error", static_cast<EntryBox>(box), true);
}

// The refusals of a main ball outside 1..max, and of one typed twice.
Refusal Range(int max, int box) {
    return InputError("You must enter a numeric value between 1 and " + std::to_string(max) + " in each box",
                      box);
}
Refusal Different(int max, int box) {
    return InputError(
        "You must enter a DIFFERENT numeric value between 1 and " + std::to_string(max) + " in each box",
        box);
}

// The refusal of a check, or nothing when it passed.
template <class Checked>
std::optional<Refusal> RefusalOf(const Checked& checked) {
    return checked ? std::nullopt : std::optional<Refusal>(checked.error());
}

TEST(DrawEntryTest, BallBoxesCheckRangeAndDuplicatesByValue) {
    const Refusal thunderball =
        InputError("You must enter a numeric value between 1 and 14 in Thunderball box", 7);
    const std::tuple<Game, int, Balls, std::optional<Refusal>> cases[] = {
        // game, box checked, boxes, refusal
        // The Thunderball has its own range and message, and may equal a main ball.
        {Game::Thunderball, 7, {"1", "2", "3", "4", "5", "", "14"}, std::nullopt},
        {Game::Thunderball, 7, {"1", "2", "3", "4", "5", "", "15"}, thunderball},
        {Game::Thunderball, 7, {"1", "2", "3", "4", "5", "", "5"}, std::nullopt},
        {Game::Thunderball, 5, {"1", "2", "3", "4", "35", "", ""}, Range(34, 5)},
        {Game::Thunderball, 5, {"1", "2", "3", "4", "34", "", ""}, std::nullopt},
        {Game::Thunderball, 4, {"1", "2", "3", "3", "", "", ""}, Different(34, 4)},
        // Lotto's bonus ball is compared with all six balls (by value, as TypedNumbersTest compares).
        {Game::Lotto, 7, {"1", "2", "30", "4", "5", "6", "30"}, Different(49, 7)},
        {Game::Lotto, 7, {"1", "2", "30", "4", "5", "6", "49"}, std::nullopt},
        {Game::Lotto, 1, {"50", "", "", "", "", "", ""}, Range(49, 1)},
        {Game::LottoExtra, 6, {"1", "2", "3", "4", "5", "1", ""}, Different(49, 6)},
        // Daily Play: seven balls of 1 to 27, the seventh compared too.
        {Game::DailyPlay, 7, {"1", "2", "3", "4", "5", "6", "28"}, Range(27, 7)},
        {Game::DailyPlay, 7, {"1", "2", "3", "4", "5", "6", "02"}, Different(27, 7)},
        {Game::DailyPlay, 7, {"1", "2", "3", "4", "5", "6", "27"}, std::nullopt},
    };
    for (const auto& [game, box, balls, expected] : cases) {
        EXPECT_EQ(RefusalOf(CheckBallBox(game, box, balls)), expected)
            << GameName(game) << " box " << box << " \"" << balls[static_cast<std::size_t>(box - 1)] << "\"";
    }
    EXPECT_FALSE(UsesBallBox(Game::Thunderball, 6) || UsesBallBox(Game::LottoExtra, 7));
    EXPECT_TRUE(UsesBallBox(Game::DailyPlay, 7));
    EXPECT_FALSE(UsesBallBox(Game::DailyPlay, 0) || UsesBallBox(Game::DailyPlay, 8));
}

TEST(DrawEntryTest, TheDateBoxTakesExactlyDayMonthYear) {
    EXPECT_EQ(RefusalOf(CheckDrawDateBox("05/03/2005")), std::nullopt);
    EXPECT_EQ(RefusalOf(CheckDrawDateBox("")), (At("You must enter a Draw Date, in Format DD/MM/YYYY",
                                                   "Draw Date", EntryBox::DrawDate, false)));
    for (const char* text :
         {"5/3/2005", "05-03-2005", "31/02/2005", "05/03/05", " 05/03/2005", "next week"}) {
        EXPECT_EQ(RefusalOf(CheckDrawDateBox(text)), (At("You must enter Draw Date in Format DD/MM/YYYY",
                                                         "Draw Date", EntryBox::DrawDate, true)))
            << text;
    }
}

TEST(DrawEntryTest, DrawNumbersAddOrCorrectWithinTheHistory) {
    const Refusal invalid =
        At("Draw Number Invalid. Please re-enter.", "Incorrect Draw Number", EntryBox::DrawNumber, true);
    const Refusal notWhole =
        At("Draw Number Invalid. Please re-enter.\r\nA draw number is a whole number: 1 to "
           "1000 corrects a draw, 1001 adds the next one.",
           "Incorrect Draw Number", EntryBox::DrawNumber, true);
    const Refusal missing =
        At("Please Enter Draw Number", "Draw Number Missing", EntryBox::DrawNumber, false);
    using Outcome = std::variant<std::pair<std::int32_t, bool>, Refusal>;  // the number and whether it is new
    const std::pair<const char*, Outcome> cases[] = {
        {"1001", std::pair(1001, true)},
        {"998", std::pair(998, false)},
        {"1", std::pair(1, false)},
        {" 7 ", std::pair(7, false)},
        {"0", invalid},
        {"1002", invalid},
        {"-3", invalid},
        {"99999999999", invalid},
        {"", missing},
        {"  ", missing},
        // Not whole: refused as typed, never rounded onto an old draw nor reported as a failed write.
        {"2.5", notWhole},
        {"1000.5", notWhole},
        {"0.4", notWhole},
        {"1e3", notWhole},
        {"abc", notWhole},
    };
    for (const auto& [text, expected] : cases) {
        const auto got = CheckDrawNumber(text, 1000);
        EXPECT_EQ(got ? Outcome(std::pair(got->number, got->newDraw)) : got.error(), expected) << text;
    }
    // Only a correction of a draw older than the newest must be confirmed.
    EXPECT_TRUE(CorrectionNeedsConfirmation({999, false}, 1000));
    EXPECT_FALSE(CorrectionNeedsConfirmation({1000, false}, 1000) ||
                 CorrectionNeedsConfirmation({1001, true}, 1000));
    // An empty history takes draw 1 only.
    EXPECT_TRUE(CheckDrawNumber("1", 0).value().newDraw);
    EXPECT_EQ(CheckDrawNumber("2", 0).error(), invalid);
}

TEST(DrawEntryTest, RecordsAreBuiltFromTheBoxesAsTheFileStoresThem) {
    DrawEntryFields lotto{
        {"49", "2.5", "3.5", "5", "6", "7", "8"}, "05/03/2005", "", "lancelot the long", "12"};
    auto plan = PrepareUpdate(Game::Lotto, lotto, 11);
    ASSERT_TRUE(plan.has_value());
    const auto& lottoPlan = plan.value();
    EXPECT_EQ(std::tie(lottoPlan.newDraw, lottoPlan.drawNumber, lottoPlan.ballSetText),
              std::tuple(true, 12, "0"));
    // Text fields are cut to their width and padded with blanks.
    EXPECT_EQ(std::get<LottoDrawRec>(lottoPlan.record),
              (LottoDrawRec{SerialFromCivil({2005, 3, 5}), {49, 2, 4, 5, 6, 7}, 8, 0, "LANCELOT "}));

    for (const auto& [typed, stored] :
         std::vector<std::pair<std::string, int>>{{"x7", 0}, {" 6 ", 6}, {"2.5", 2}}) {
        lotto.ballSet = typed;
        lotto.balls = {"1", "2", "3", "4", "5", "6", "7"};
        const auto built = PrepareUpdate(Game::Lotto, lotto, 11);
        EXPECT_EQ(std::get<LottoDrawRec>(built.value().record).BallSet, stored) << typed;
    }

    const DrawEntryFields thunderball{
        {"1", "2", "3", "4", "34", "", "1"}, "01/06/2010", "t8", "excalibur", "3"};
    EXPECT_EQ(std::get<ThunderballDrawRec>(PrepareUpdate(Game::Thunderball, thunderball, 5).value().record),
              (ThunderballDrawRec{SerialFromCivil({2010, 6, 1}), {1, 2, 3, 4, 34}, 1, "T8", "EXCALIBUR"}));

    const DrawEntryFields dailyPlay{{"1", "2", "3", "4", "5", "6", "27"}, "01/06/2010", "set12345", "a", "1"};
    EXPECT_EQ(std::get<DailyPlayDrawRec>(PrepareUpdate(Game::DailyPlay, dailyPlay, 0).value().record),
              (DailyPlayDrawRec{SerialFromCivil({2010, 6, 1}), {1, 2, 3, 4, 5, 6, 27}, "SET1", "A"}));
}

TEST(DrawEntryTest, UpdateRefusesMissingBoxesBadNumbersAndLateDuplicates) {
    const Refusal dataMissing = At("Data Missing. Can not complete Update. Please check and try again.",
                                   "Data Missing", EntryBox::None, false);
    DrawEntryFields fields{{"1", "2", "3", "4", "5", "", "9"}, "01/06/2010", "", "", ""};
    // Box 6 of Thunderball is hidden: its emptiness is no missing data, the empty draw number is.
    EXPECT_EQ(PrepareUpdate(Game::Thunderball, fields, 10).error().text, "Please Enter Draw Number");
    EXPECT_EQ(PrepareUpdate(Game::Lotto, fields, 10).error(), dataMissing);
    fields.drawNumber = "12";
    EXPECT_EQ(PrepareUpdate(Game::Thunderball, fields, 10).error().title, "Incorrect Draw Number");
    fields.drawNumber = "11";
    fields.drawDate = "";
    EXPECT_EQ(PrepareUpdate(Game::Thunderball, fields, 10).error(), dataMissing);
    fields.drawDate = "01/06/2010";
    EXPECT_TRUE(PrepareUpdate(Game::Thunderball, fields, 10).has_value());

    // Box 1 changed to box 2's ball after box 2 was checked: the update finds it at box 2.
    fields.balls[0] = "02";
    EXPECT_EQ(PrepareUpdate(Game::Thunderball, fields, 10).error(), Different(34, 2));
    // The failure and completion messages are the update window's test.
}

TEST(DrawEntryTest, TypedTextBecomesTheRecordsCodePageOrIsRefusedAtItsBox) {
    DrawEntryFields fields;
    fields.ballSet = "é1";
    fields.machine = "Ämbrosius";
    EXPECT_TRUE(EncodeTypedText(Game::Thunderball, fields));
    EXPECT_EQ(fields.ballSet,
              "\xE9"
              "1");
    EXPECT_EQ(fields.machine, "\xC4mbrosius");

    fields = DrawEntryFields{};
    fields.ballSet = "12345";
    EXPECT_EQ(EncodeTypedText(Game::DailyPlay, fields).error(),
              (At("The Set box takes at most 4 characters.", "Input Error", EntryBox::BallSet, false)));
    // Lotto's set is a number: any other text is stored as 0, never refused.
    EXPECT_TRUE(EncodeTypedText(Game::Lotto, fields));
    fields.machine = "Gwenhwyfar";
    EXPECT_EQ(EncodeTypedText(Game::Lotto, fields).error().text,
              "The Machine box takes at most 9 characters.");
    fields.ballSet = "";
    EXPECT_TRUE(EncodeTypedText(Game::Thunderball, fields));
    fields.machine = "Łucja";
    EXPECT_EQ(EncodeTypedText(Game::LottoExtra, fields).error(),
              (At("The Machine box holds the character \"Ł\" (U+0141), which Windows-1252 cannot hold.",
                  "Input Error", EntryBox::Machine, false)));
    fields.machine = "";
    fields.ballSet = "T\t1";
    EXPECT_EQ(
        EncodeTypedText(Game::Thunderball, fields).error(),
        (At("The Set box holds the control character U+0009.", "Input Error", EntryBox::BallSet, false)));

    // Lotto's set is a whole number the field can hold: a negative one or a larger one is refused at its box;
    // the machine is upper-cased in the code page, accented letters too.
    DrawEntryFields lotto{{"1", "2", "3", "4", "5", "6", "7"}, "05/03/2005", "", "\xE9lan", "1"};
    for (const std::string set : {"-1", "-0.6", "32768"}) {
        lotto.ballSet = set;
        EXPECT_EQ(PrepareUpdate(Game::Lotto, lotto, 0).error(),
                  (At("The Set box takes a whole number from 0 to 32767.", "Input Error", EntryBox::BallSet,
                      false)))
            << set;
    }
    lotto.ballSet = "32767";
    const auto built = std::get<LottoDrawRec>(PrepareUpdate(Game::Lotto, lotto, 0).value().record);
    EXPECT_EQ(built.BallSet, 32767);
    EXPECT_EQ(built.Machine.Text(), "\xC9LAN     ");
}

}  // namespace
}  // namespace quintara
