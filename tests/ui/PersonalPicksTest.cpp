#include "ui/MainWindowFixture.h"
#include "ui/picks/frmMostLikelyNumbers.h"
#include "ui/picks/frmNumberOfPersonalPicks.h"
#include "ui/picks/frmPersonalPicks.h"
#include "ui/picks/frmViewPersonalPicks.h"

namespace quintara::ui::test {
namespace {

class PersonalPicksTest : public StartedPickingTest {
protected:
    // Answers the count window with `count`; the window for the numbers is left open.
    frmPersonalPicks& AskFor(std::string_view count) {
        main.mnuPickPersonal.Click();
        auto& window = *app.forms.Find<frmNumberOfPersonalPicks>();
        window.txtNumberOfPersonalPicks.UserTypes(count);
        window.cmdOK.Click();
        return *app.forms.Find<frmPersonalPicks>();
    }
};

TEST_F(PersonalPicksTest, CountWindowTakesOneToTwentyEight) {
    main.mnuDrawThunderball.Click();
    main.mnuPickPersonal.Click();
    auto* window = app.forms.Find<frmNumberOfPersonalPicks>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(desktop.showings.back().mode, ShowMode::Modal);
    EXPECT_EQ(window->caption, "Number of Personal Picks - Thunderball Draw");
    window->cmdOK.Click();
    EXPECT_EQ(desktop.messages.back().title, "No Number Entered");
    for (const auto& [typed, title] :
         {std::pair{"0", "Number too low"}, {"29", "Number too high"}, {"abc", "Incorrect Number"}}) {
        window->cmdOK.SetFocus();
        window->txtNumberOfPersonalPicks.UserTypes(typed);
        window->cmdOK.Click();
        EXPECT_EQ(desktop.messages.back(),
                  (Message{"Please enter a Number between 1 and 28", title, MsgBoxIcon::None}));
        EXPECT_EQ(window->txtNumberOfPersonalPicks.text, "");
        EXPECT_EQ(window->ActiveControl(), &window->txtNumberOfPersonalPicks);
    }

    window->txtNumberOfPersonalPicks.UserTypes("28");
    window->cmdOK.Click();
    EXPECT_EQ(app.forms.Find<frmNumberOfPersonalPicks>(), nullptr);
    auto* picks = app.forms.Find<frmPersonalPicks>();
    ASSERT_NE(picks, nullptr);
    EXPECT_EQ(desktop.showings.back().mode, ShowMode::Modal);
    EXPECT_EQ(picks->caption, "Quintara - Personal Picks - Thunderball Draw");
    EXPECT_EQ(picks->txtBall.UBound(), 28);
    EXPECT_EQ(picks->lblBall[28].caption, "Ball 28");
    EXPECT_LE(picks->cmdOK.top + picks->cmdOK.height, picks->ScaleHeight());

    // A wheel may point at all 28 numbers, past the 20 of the game's own wheels: importing it, selecting
    // it and bringing it back with View Personal Picks all go without a word.
    for (int i = 1; i <= 28; ++i) {
        picks->txtBall[i].text = std::to_string(i);
    }
    picks->cmdOK.Click();
    const auto messages = desktop.messages.size();
    desktop.fileAnswers = {dir.Write("tb28.txt", "1 2 3 4 28\r\n").string()};
    main.mnuFileImportWheel.Click();
    EXPECT_EQ(main.cmbWheels.Text(), "CUSTOM  1 Line Wheel");
    main.mnuShowDraws.Click();
    main.mnuShowPersonalPicks.Click();
    EXPECT_EQ(desktop.messages.size(), messages);
    EXPECT_EQ(app.state.WheelLines, (OneBased<std::string>{"1,2,3,4,28,"}));
}

TEST_F(PersonalPicksTest, PersonalNumbersWheeledEndToEnd) {
    main.mnuPick6.Click();
    frmPersonalPicks& picks = AskFor("10");
    const std::vector<std::string> typed{"40", "3", "17", "22", "9", "31", "48", "1", "26", "35"};
    const auto submit = [&](int box, std::string_view text) {
        for (int i = 1; i <= 10; ++i) {
            picks.txtBall[i].text = i == box ? std::string(text) : typed[static_cast<std::size_t>(i - 1)];
        }
        picks.cmdOK.SetFocus();
        picks.cmdOK.Click();
    };
    // Which numbers pass is the personal numbers' own test; here, the refused box is emptied and focused.
    submit(4, "03");
    EXPECT_EQ(desktop.messages.back().title, "Number Same");
    EXPECT_EQ(picks.txtBall[4].text, "");
    EXPECT_EQ(picks.ActiveControl(), &picks.txtBall[4]);
    const auto messages = desktop.messages.size();
    submit(4, "22");
    EXPECT_EQ(desktop.messages.size(), messages);
    EXPECT_EQ(app.forms.Find<frmPersonalPicks>(), nullptr);

    EXPECT_EQ(app.state.PersonalNumbers, (OneBased<std::int16_t>{40, 3, 17, 22, 9, 31, 48, 1, 26, 35}));
    EXPECT_EQ(main.caption, "Quintara - Personal Picks Mode - Lotto Draw");
    EXPECT_EQ(main.cmbAlgorithms.Items(), Items{"Personal Picks"});
    EXPECT_EQ(main.cmbWheels.Items(), Items{"Please Load Custom Wheel"});
    EXPECT_TRUE(main.mnuShowPersonalPicks.enabled);
    EXPECT_FALSE(main.mnuPick6.enabled || main.mnuFileSave.enabled || main.cmdBOF.visible);
    main.mnuPick6.Click();
    EXPECT_EQ(desktop.messages.back(),
              (Message{"Please Load a Wheel to continue", "No Wheel Loaded", MsgBoxIcon::None}));

    // The import may point at the ten personal numbers and no further; then Pick wheels them.
    desktop.fileAnswers = {dir.Write("eleven.txt", "1 2 3 4 5 11\r\n").string(),
                           dir.Write("ten.txt", "1 2 3 4 5 6\r\n5 6 7 8 9 10\r\n").string()};
    main.mnuFileImportWheel.Click();
    EXPECT_EQ(desktop.messages.back().text, "Please ensure Wheel Pointers are within range 1 -  10");
    main.mnuFileImportWheel.Click();
    EXPECT_EQ(main.cmbWheels.Items(), Items{"CUSTOM  2 Line Wheel"});
    main.mnuPick6.Click();
    EXPECT_EQ(main.caption, "Quintara - Pick Mode - Personal Picks - Lotto Draw");
    const OneBased<LottoDrawRec> personalLines{{0, {3, 9, 17, 22, 31, 40}, 0, 0, ""},
                                               {0, {1, 9, 26, 31, 35, 48}, 0, 0, ""}};
    EXPECT_EQ(app.state.PickedLines, personalLines);
    EXPECT_TRUE(app.state.LinesFromPersonalPicks && !app.state.LinesAvailable);

    // Quintara's Picks runs the algorithm and leaves the personal lines as they were.
    main.mnuShowMostLikelyNumbers.Click();
    ASSERT_NE(app.forms.Find<frmMostLikelyNumbers>(), nullptr);
    EXPECT_EQ(app.state.FinalNumbers.Size(), 28u);
    EXPECT_EQ(app.state.PickedLines, personalLines);
    EXPECT_TRUE(app.state.PersonalPicksActive);

    // View Draws keeps the custom wheel aside; View Personal Picks brings it back with the numbers.
    main.mnuShowDraws.Click();
    EXPECT_EQ(main.cmbWheels.Text(), "5 Line Wheel - 1 Number");
    main.mnuShowPersonalPicks.Click();
    EXPECT_EQ(app.state.WheelLines, WheelOf("ten.txt", Game::Lotto));
    EXPECT_TRUE(main.mnuPick6.enabled && main.mnuShowPickedNumbers.enabled);
    auto* view = app.forms.Find<frmViewPersonalPicks>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->caption, "Quintara - View Personal Picks - Lotto Draw");
    EXPECT_EQ(view->lblActualNumber[10].caption, " 35");
    desktop.printerAnswers = {true};
    view->mnuPrintPersonalPicks.Click();
    EXPECT_EQ(desktop.printedForms.back(), "frmViewPersonalPicks");

    // A new game forgets the numbers and their wheel.
    main.mnuDrawLotto.Click();
    EXPECT_FALSE(main.mnuShowPersonalPicks.enabled);
    EXPECT_TRUE(app.state.PersonalNumbers.Empty());
}

TEST_F(PersonalPicksTest, AbandonedEntryKeepsTheNumbersInUse) {
    frmPersonalPicks& first = AskFor("6");
    for (int i = 1; i <= 6; ++i) {
        first.txtBall[i].text = std::to_string(i * 7);
    }
    first.cmdOK.Click();
    const auto numbers = app.state.PersonalNumbers;
    ASSERT_EQ(numbers.Size(), 6u);
    frmPersonalPicks& second = AskFor("2");
    second.txtBall[1].text = "5";
    second.cmdOK.Click();
    second.UserCloses();
    EXPECT_EQ(app.state.PersonalNumbers, numbers);
}

}  // namespace
}  // namespace quintara::ui::test
