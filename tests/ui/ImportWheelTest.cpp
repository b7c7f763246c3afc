#include "core/TextRules.h"
#include "generate/WheelGuarantees.h"
#include "ui/MainWindowFixture.h"
#include "ui/picks/frmWheelGuarantees.h"

namespace quintara::ui::test {
namespace {

const Message kIncorrectWheel{"The Selected Wheel has incorrect numbers in Line, please select another!",
                              "Incorrect Wheel", MsgBoxIcon::None};
const Message kUnableToLoad{"Unable to Load Wheel", "Import Cancelled", MsgBoxIcon::None};

TEST_F(StartedPickingTest, ImportPlacesCustomWheelsPerGameAndPicksWithThem) {
    const auto twelve = dir.Write("mine.txt", CountingWheel(12, 6, 28));
    desktop.fileAnswers = {twelve.string(), dir.Write("three.txt", CountingWheel(3, 6, 28)).string()};
    main.mnuFileImportWheel.Click();
    ASSERT_EQ(main.cmbWheels.ListCount(), 11);
    EXPECT_EQ(main.cmbWheels.List(8), "CUSTOM  12 Line Wheel");
    EXPECT_EQ(main.cmbWheels.List(9), "20 Line Wheel - 4 Pairs (11)");
    EXPECT_EQ(main.cmbWheels.ListIndex(), 8);
    EXPECT_EQ(app.state.WheelLines, WheelOf("mine.txt", Game::Lotto));
    EXPECT_EQ(recentFiles.back(), twelve.string());

    main.mnuFileImportWheel.Click();
    EXPECT_EQ(main.cmbWheels.List(8), "CUSTOM  3 Line Wheel");
    EXPECT_EQ(main.cmbWheels.List(9), "CUSTOM  12 Line Wheel");
    main.mnuPick6.Click();
    EXPECT_EQ(app.state.PickedLines,
              ExpectedLines(Game::Lotto, 0, WheelOf("three.txt", Game::Lotto)).PickedLines);

    // Other Lotto algorithms refuse before the dialog; a cancelled dialog is a failed import.
    main.cmbAlgorithms.UserSelects(2);
    main.mnuFileImportWheel.Click();
    EXPECT_EQ(desktop.messages.back(),
              (Message{"This option is not available for this Algorithm", "Quintara", MsgBoxIcon::None}));
    EXPECT_EQ(desktop.fileQuestions.size(), 2u);
    main.cmbAlgorithms.UserSelects(0);
    desktop.fileAnswers = {""};
    main.mnuFileImportWheel.Click();
    EXPECT_EQ(desktop.messages.back(), kUnableToLoad);

    // Thunderball and Daily Play insert after their own wheels, then replace their custom one.
    for (const auto& [command, game] : {std::pair{&main.mnuDrawThunderball, Game::Thunderball},
                                        {&main.mnuDrawDailyPlay, Game::DailyPlay}}) {
        command->Click();
        const Items builtIn = main.cmbWheels.Items();
        const int perLine = Info(game).pointersPerLine;
        desktop.fileAnswers = {dir.Write("a.txt", CountingWheel(2, perLine, 16)).string(),
                               dir.Write("b.txt", CountingWheel(5, perLine, 16)).string()};
        main.mnuFileImportWheel.Click();
        main.mnuFileImportWheel.Click();
        Items expected = builtIn;
        expected.push_back("CUSTOM  5 Line Wheel");
        EXPECT_EQ(main.cmbWheels.Items(), expected) << GameName(game);
    }
    EXPECT_EQ(desktop.messages.size(), 2u);
}

TEST_F(StartedPickingTest, RefusedImportsKeepTheWheelTheBoxNames) {
    const auto loaded = app.state.WheelLines;
    // Which files pass is the wheel file's own test; here, a refusal reaches the user and changes nothing.
    desktop.fileAnswers = {dir.Write("bad.txt", "1 2 3 4 5 6\r\n1 2 3 4 5 6 7\r\n").string()};
    main.mnuFileImportWheel.Click();
    EXPECT_EQ(desktop.messages.back(), kIncorrectWheel);
    EXPECT_EQ(app.state.WheelLines, loaded);
    EXPECT_EQ(main.cmbWheels.ListCount(), 10);
    EXPECT_FALSE(desktop.busy);

    // The recent-files list imports without the dialog, with the built-in range messages.
    main.ImportWheelFile(dir.Write("big6.txt", "1 2 3 4 5 29\r\n"));
    EXPECT_EQ(desktop.messages.back().text, "Please ensure Wheel Pointers are within range 1 - 28");
    main.ImportWheelFile(dir.Write("good.txt", "1 2 3 4 5 28\r\n"));
    EXPECT_EQ(main.cmbWheels.Text(), "CUSTOM  1 Line Wheel");
}

TEST_F(StartedPickingTest, BuiltInWheelFaults) {
    const std::string fiveLine = "5 Line Wheel - 1 Number from 28_Lotto.txt";
    main.cmbWheels.UserSelects(1);
    const auto tenLines = app.state.WheelLines;
    recentFiles.clear();

    // Which files pass is the wheel file's own test; here, a built-in wheel that is gone is refused with
    // the reader's message, and the wheel loaded before stays.
    std::filesystem::remove(dir / fiveLine);
    main.cmbWheels.UserSelects(0);
    const auto refusal = ReadWheelFile(dir / fiveLine, Game::Lotto, WheelSource::BuiltIn).error();
    EXPECT_EQ(desktop.messages.back(), (Message{refusal.text, refusal.title, MsgBoxIcon::None}));
    EXPECT_EQ(app.state.WheelLines, tenLines);
    EXPECT_TRUE(recentFiles.empty());
    EXPECT_FALSE(desktop.busy);
}

TEST_F(PickingTest, PickNeverShowsALineThatWasNotMade) {
    // The first Lotto wheel holds a seventh number after a comma, so start-up loads no wheel at all.
    dir.Write("5 Line Wheel - 1 Number from 28_Lotto.txt", "1 2 3 4 5 6\r\n7 8 9 10 11 12,13\r\n");
    frmQuintara& main = Start();
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages.back(), kIncorrectWheel);
    EXPECT_TRUE(app.state.WheelLines.Empty());
    const std::string newest = Shown(main);
    const Message error{"Please ensure you choose a selection from List", "Error", MsgBoxIcon::None};
    main.mnuPick6.Click();
    EXPECT_EQ(desktop.messages.back(), error);
    EXPECT_TRUE(app.state.PickedLines.Empty());
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Lotto Draw");
    EXPECT_NE(main.lblViewOccurances.caption, "View all  0 lines generated.");
    EXPECT_EQ(Shown(main), newest);
    EXPECT_FALSE(main.mnuFileSave.enabled);

    // A Lotto wheel kept when the game changes is no Thunderball wheel: Pick refuses it too.
    main.cmbWheels.UserSelects(1);
    main.mnuPick6.Click();
    EXPECT_EQ(main.lblViewOccurances.caption, "View all  10 lines generated.");
    const auto lottoLines = app.state.PickedLines;
    dir.Write("12 Line Wheel 1 Pair from 20_Thunderball.txt", "1 2 3 4 5 6\r\n");
    main.mnuDrawThunderball.Click();
    EXPECT_EQ(desktop.messages.back(), kIncorrectWheel);
    main.mnuPick6.Click();
    EXPECT_EQ(desktop.messages.back(), error);
    EXPECT_EQ(app.state.PickedLines, lottoLines);
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Thunderball Draw");
}

TEST_F(StartedMainWindowTest, WheelGuaranteesShowWhatTheLoadedWheelProvesAndPrintAndSaveIt) {
    main.cmdWheelGuarantees.Click();
    auto* window = app.forms.Find<frmWheelGuarantees>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->caption, "Wheel Guarantees - Lotto Draw");
    EXPECT_EQ(window->txtGuarantees.text,
              WheelGuaranteesReport(main.cmbWheels.Text(), app.state.WheelLines, kCrLf));

    // An imported wheel gets its own table, from the Options menu too.
    desktop.fileAnswers = {dir.Write("mine.txt", CountingWheel(12, 6, 28)).string()};
    main.mnuFileImportWheel.Click();
    main.mnuOptionsWheelGuarantees.Click();
    EXPECT_EQ(app.forms.Find<frmWheelGuarantees>(), window);
    EXPECT_EQ(window->txtGuarantees.text,
              WheelGuaranteesReport("CUSTOM  12 Line Wheel", app.state.WheelLines, kCrLf));

    EXPECT_EQ(Printed(desktop, window->mnuPrintGuarantees), window->txtGuarantees.text + "\r\n");
    desktop.fileAnswers = {(dir.Path() / "guarantees.txt").string()};
    window->mnuFileSave.Click();
    EXPECT_EQ(dir.Read("guarantees.txt"), window->txtGuarantees.text + "\r\n");
}

}  // namespace
}  // namespace quintara::ui::test
