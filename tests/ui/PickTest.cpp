#include "generate/FortyNineGenerator.h"
#include "generate/Listing.h"
#include "ui/MainWindowFixture.h"
#include "ui/picks/frmPickedNumbers.h"

namespace quintara::ui::test {
namespace {

TEST_F(StartedPickingTest, FiveLineLottoPickShowsListsAndPrintsItsLines) {
    main.mnuPick6.Click();
    EXPECT_TRUE(desktop.messages.empty());
    const auto wheel = WheelOf("5 Line Wheel - 1 Number from 28_Lotto.txt", Game::Lotto);
    EXPECT_EQ(app.state.PickedLines, ExpectedLines(Game::Lotto, 0, wheel).PickedLines);
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(main.caption, "Quintara - Pick Mode - Lotto Draw");
    EXPECT_EQ(main.lblViewOccurances.caption, "View all  5 lines generated.");
    EXPECT_TRUE(main.cmdFirstOccurance.visible && main.lblDrawLineNumber.visible);
    EXPECT_FALSE(main.cmdBOF.visible || main.cmdNumberSearch.visible || main.lblDrawBallBonus.visible);
    EXPECT_EQ(main.lblDrawLineNumberNumber.caption, "1");
    EXPECT_EQ(main.lblDrawBall1.caption, std::to_string(app.state.PickedLines[1].Balls[0]));
    EXPECT_TRUE(main.mnuFileSave.enabled && main.mnuCheckNumbers.enabled &&
                main.mnuListsPickedNumbers.enabled);

    // The listing goes through "\Print Temp".
    const std::string& text = main.txtPrint.text;
    EXPECT_EQ(text, dir.Read("Print Temp"));
    EXPECT_EQ(text, PickedLinesListing(Game::Lotto, app.state.PickedLines, {}, app.state.LinesGeneratedDate));

    // Back to the draws, and back to the lines without picking again.
    main.cmdNextOccurance.Click();
    EXPECT_EQ(main.lblDrawLineNumberNumber.caption, "2");
    main.mnuShowDraws.Click();
    main.mnuShowPickedNumbers.Click();
    EXPECT_EQ(main.caption, "Quintara - Pick Mode - Lotto Draw");
    EXPECT_EQ(main.lblDrawLineNumberNumber.caption, "1");

    main.mnuListsPickedNumbers.Click();
    auto* list = app.forms.Find<frmPickedNumbers>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->caption, "Picked Numbers - Lotto Draw");
    EXPECT_EQ(list->txtPickedNumbers.text, text);
    EXPECT_EQ(*list->left, (desktop.screenWidth - list->width) / 2);
    EXPECT_EQ(Printed(desktop, list->mnuPrintPickedNumbers), text + "\r\n");
}

TEST_F(StartedPickingTest, ThunderballListsFiveNumbersAndDailyPlayShowsSeven) {
    main.mnuDrawThunderball.Click();
    main.mnuPick6.Click();
    const auto wheel = WheelOf("12 Line Wheel 1 Pair from 20_Thunderball.txt", Game::Thunderball);
    EXPECT_EQ(app.state.PickedLines, ExpectedLines(Game::Thunderball, 0, wheel).PickedLines);
    EXPECT_EQ(main.txtPrint.text,
              PickedLinesListing(Game::Thunderball, app.state.PickedLines, {}, app.state.LinesGeneratedDate));

    main.mnuDrawDailyPlay.Click();
    main.cmbWheels.SetListIndex(1);
    main.mnuPick6.Click();
    const auto& lines = app.state.DailyPlayPickedLines;
    EXPECT_EQ(lines, ExpectedLines(Game::DailyPlay, 0,
                                   WheelOf("10 Line Wheel frm 16_DailyPlay.txt", Game::DailyPlay))
                         .DailyPlayPickedLines);
    EXPECT_EQ(main.txtPrint.text,
              PickedLinesListing(Game::DailyPlay, {}, lines, app.state.LinesGeneratedDate));
    // The seventh number stands in the extra place, on Pick and on View Picked Numbers alike.
    for (MenuItem* command : {&main.mnuPick6, &main.mnuShowPickedNumbers}) {
        main.mnuShowDraws.Click();
        command->Click();
        EXPECT_TRUE(main.lblDrawBallBonus.visible) << command->Name();
        EXPECT_EQ(main.lblDrawBallBonus.caption, std::to_string(lines[1].Balls[6]));
    }
}

TEST_F(StartedPickingTest, AlgorithmAndWheelBoxesFollowTheUser) {
    // Built-in wheels, at start-up or chosen through the boxes, are no recent files of the player's.
    main.cmbAlgorithms.UserSelects(1);
    EXPECT_EQ(main.cmbWheels.Items(), Items{"Approx 200 - 500 Line Wheel"});
    EXPECT_FALSE(main.mnuShowMostLikelyNumbers.enabled);
    main.cmbAlgorithms.UserSelects(2);
    EXPECT_TRUE(main.mnuShowMostLikelyNumbers.enabled);
    EXPECT_EQ(app.state.WheelLines.Size(), 7u);
    EXPECT_TRUE(recentFiles.empty());

    main.cmbAlgorithms.UserTypes("28 Num");
    EXPECT_EQ(desktop.messages.back(), (Message{"Please ensure you select an Algorithm from List!",
                                                "No Algorithm Selected", MsgBoxIcon::None}));
    EXPECT_EQ(main.cmbWheels.ListCount(), 10);
    main.cmbWheels.UserSelects(1);
    main.cmbWheels.UserTypes("x");
    EXPECT_EQ(desktop.messages.back().text, "Please ensure you select Wheel from List!");
    EXPECT_EQ(app.state.WheelLines.Size(), 5u);

    // Pick copies both positions; the picks views leave GeneratorMode at 1 until the next Pick.
    main.cmbWheels.UserSelects(1);
    main.mnuPick6.Click();
    EXPECT_EQ(app.session.WheelIndex, 1);
    EXPECT_EQ(app.state.PickedLines.Size(), 10u);
    main.mnuShowMostLikelyNumbers.Click();
    EXPECT_EQ(app.state.GeneratorMode, 1);
    main.mnuPick6.Click();
    EXPECT_EQ(app.state.GeneratorMode, 0);
}

TEST_F(StartedPickingTest, PickReportsAWheelItsAlgorithmCannotServe) {
    // A seven-number wheel naming the 28th number, which a seven-number run does not have.
    dir.Write("7 Line Wheel 40 if 3 Numbers from 7_Lotto.txt", "1 2 3 4 5 28\r\n");
    main.mnuPick6.Click();
    const auto before = app.state.PickedLines;
    main.cmbAlgorithms.UserSelects(2);
    main.mnuPick6.Click();
    EXPECT_EQ(desktop.messages.back(),
              (Message{"Please ensure you choose a selection from List", "Error", MsgBoxIcon::None}));
    EXPECT_EQ(main.cmbAlgorithms.Text(), "28 Numbers from 49");
    EXPECT_EQ(main.cmbWheels.Text(), "5 Line Wheel - 1 Number");
    EXPECT_EQ(app.state.PickedLines, before);
    EXPECT_FALSE(main.txtPrint.text.empty() || desktop.busy);
}

TEST_F(StartedPickingTest, FortyNineNumbersPickOnTheRealLottoHistory) {
    main.cmbAlgorithms.UserSelects(1);
    main.mnuPick6.Click();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(app.state.PickedLines,
              GenerateFortyNineLines(app.state.LottoDraws, app.state.BallFrequency, app.state.BallLastDrawn));
    EXPECT_EQ(main.lblViewOccurances.caption, "View all  595 lines generated.");
}

}  // namespace
}  // namespace quintara::ui::test
