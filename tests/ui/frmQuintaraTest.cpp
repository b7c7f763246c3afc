#include "core/History.h"
#include "core/Product.h"
#include "core/Search.h"
#include "ui/MainWindowFixture.h"
#include "ui/start/frmAbout.h"

namespace quintara::ui::test {
namespace {

TEST_F(StartedMainWindowTest, StartUpShowsTheNewestRealLottoDraw) {
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messages.front().text;
    EXPECT_EQ(app.forms.Find<frmSplash>(), nullptr);
    EXPECT_GE(desktop.eventTurns, 1000);
    EXPECT_FALSE(desktop.busy);
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Lotto Draw");
    EXPECT_EQ(Shown(main), "2065 07/10/2015 | 30 7 44 11 49 5 | 25 | 4 Guinevere");
    EXPECT_EQ(main.cmbSorted.Text(), "Number 38 has occured 327 times.");
    EXPECT_FALSE(main.mnuFileSave.enabled || main.mnuThunderballFrequencyBarChart.enabled ||
                 main.cmdFirstOccurance.visible);

    // The window keeps its size.
    main.UserResizes(9000, 9000);
    EXPECT_EQ(std::pair(main.width, main.height), std::pair(7695, 7605));
}

TEST_F(StartedMainWindowTest, ThunderballRelaysTheWindowAndLottoPutsItBack) {
    main.mnuDrawThunderball.Click();
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Thunderball Draw");
    EXPECT_EQ(Shown(main), "964 08/05/2010 | 5 6 7 8 10  | 13 | 3 Excalibur 5");
    EXPECT_FALSE(main.lblBall6.visible || main.lblDrawBall6.visible || main.Image2.visible);
    EXPECT_EQ(main.lblBonusBall.caption, "Thunderball");
    EXPECT_TRUE(main.cmbThunderballSorted.visible);
    EXPECT_EQ(main.cmbThunderballSorted.ListCount(), 14);
    EXPECT_TRUE(main.mnuDrawThunderball.checked && !main.mnuDrawLotto.checked);
    // The Thunderball's commands are one list in the window; one of them stands for all.
    EXPECT_TRUE(main.mnuThunderballFrequencyBarChart.enabled);

    main.mnuDrawLotto.Click();
    EXPECT_TRUE(main.lblBall6.visible);
    EXPECT_EQ(main.lblBonusBall.caption, "Bonus Ball");
    EXPECT_FALSE(main.cmbThunderballSorted.visible || main.mnuThunderballAveragesBarChart.enabled);
    EXPECT_EQ(Shown(main), "2065 07/10/2015 | 30 7 44 11 49 5 | 25 | 4 Guinevere");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(StartedPickingTest, DailyPlayShowsItsSeventhBallAndLottoExtraHidesTheExtra) {
    main.mnuDrawDailyPlay.Click();
    EXPECT_EQ(Shown(main), "12 01/06/2010 | 1 2 3 5 8 13 | 15 |  ");
    EXPECT_EQ(main.lblBonusBall.caption, "Ball 7");

    main.mnuDrawLottoExtra.Click();
    EXPECT_FALSE(main.lblBonusBall.visible || main.lblDrawBallBonus.visible);
    EXPECT_EQ(main.lblDrawBallBonus.caption, "");
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Lotto Extra Draw");
}

TEST_F(MainWindowTest, RecordTextIsShownAsUtf8) {
    // The history file holds Windows-1252 bytes; the boxes get UTF-8.
    OneBased<ThunderballDrawRec> draws;
    draws.PushBack(ThunderballDrawRec{
        SerialFromCivil({2010, 5, 12}), {1, 2, 3, 4, 5}, 6, "\xC9t\xE9", "M\xE9rlin \x80"});
    WriteRecordFile(HistoryPath(dir.Path(), Game::Thunderball), 52, draws).value();
    frmQuintara& main = Start();
    main.mnuDrawThunderball.Click();
    EXPECT_EQ(Shown(main), "1 12/05/2010 | 1 2 3 4 5  | 6 | \u00C9t\u00E9 M\u00E9rlin \u20AC");
}

TEST_F(StartedMainWindowTest, BrowsingStopsAtBothEnds) {
    main.cmdBack.Click();
    EXPECT_EQ(main.txtDrawNumber.text, "2065");
    main.cmdNext.Click();
    EXPECT_EQ(main.txtDrawNumber.text, "2064");
    main.cmdEOF.Click();
    main.cmdNext.Click();
    EXPECT_EQ(Shown(main), "1 19/11/1994 | 30 3 5 44 14 22 | 10 | 0 Guinevere");
    main.cmdBOF.Click();
    EXPECT_EQ(main.txtDrawNumber.text, "2065");
}

// Which draws match is the search's own test; here, the window shows the newest and walks them all.
TEST_F(StartedMainWindowTest, NumberSearchShowsTheNewestMatchAndWalksTheMatches) {
    desktop.inputAnswers = {"40"};
    main.cmdNumberSearch.Click();
    EXPECT_EQ(desktop.questions.back().prompt, "Enter a Number to search for:");
    EXPECT_EQ(desktop.questions.back().title, "Number Search");
    EXPECT_EQ(desktop.messages.back(),
              (Message{"We have a match!", "Latest Number match", MsgBoxIcon::None}));
    const auto matches = FindNumberOccurrences(app.state.LottoDraws, app.state.LastDraw, 40);
    const std::size_t n = matches.size();
    ASSERT_GT(n, 2u);
    EXPECT_EQ(app.session.OccurrenceDraws, OneBased<std::int16_t>::FromVector(matches));
    EXPECT_EQ(app.state.CurrentDraw, matches.back());
    EXPECT_TRUE(main.cmbSorted.Text().starts_with("Number 40 has occured ")) << main.cmbSorted.Text();
    EXPECT_EQ(main.lblViewOccurances.caption, "View occurances of number 40");
    EXPECT_TRUE(main.cmdNextOccurance.visible && main.lblViewOccurances.visible);

    const std::pair<CommandButton*, std::size_t> walk[] = {{&main.cmdNextOccurance, n - 2},
                                                           {&main.cmdLastOccurance, 0},
                                                           {&main.cmdNextOccurance, 0},
                                                           {&main.cmdPreviousOccurance, 1},
                                                           {&main.cmdFirstOccurance, n - 1}};
    for (const auto& [button, match] : walk) {
        button->Click();
        EXPECT_EQ(app.state.CurrentDraw, matches[match]) << button->Name();
    }

    desktop.inputAnswers = {"50", "abc"};
    main.cmdNumberSearch.Click();
    EXPECT_EQ(desktop.messages.back(), (Message{"No match was found!", "No match", MsgBoxIcon::None}));
    EXPECT_EQ(app.session.OccurrenceDraws.Size(), n);
    main.cmdNumberSearch.Click();
    EXPECT_EQ(desktop.messages.back(),
              (Message{"Incorrect Data entered. Please try again!", "Error", MsgBoxIcon::None}));

    main.mnuShowDraws.Click();
    EXPECT_TRUE(app.session.OccurrenceDraws.Empty());
    EXPECT_FALSE(main.cmdNextOccurance.visible || main.lblViewOccurances.visible);
}

TEST_F(StartedMainWindowTest, DateSearchHitMissAndBadInput) {
    desktop.inputAnswers = {"08/05/2010", "09/05/2010", "31/02/2010"};
    main.cmdDateSearch.Click();
    EXPECT_EQ(desktop.questions.back().prompt, "Enter a date to search for using format: dd/mm/yyyy");
    EXPECT_EQ(desktop.messages.back().title, "Date match");
    EXPECT_EQ(Shown(main), "1500 08/05/2010 | 26 48 46 28 32 1 | 10 | 5 Arthur");

    main.cmdDateSearch.Click();
    EXPECT_EQ(desktop.messages.back(), (Message{"No match was found!", "No match", MsgBoxIcon::None}));
    EXPECT_EQ(main.txtDrawNumber.text, "1500");
    main.cmdDateSearch.Click();
    EXPECT_EQ(desktop.messages.back().text, "Incorrect Data entered. Please try again!");
}

TEST_F(StartedMainWindowTest, ViewDrawsAfterBrowsingLines) {
    app.state.PickedLines = {{0, {1, 2, 3, 4, 5, 6}, 0, 0, ""}, {0, {7, 8, 9, 10, 11, 12}, 0, 0, ""}};
    app.session.LinesMode = true;
    app.state.LinesAvailable = true;
    app.session.CurrentLine = 1;
    main.ShowLine();
    ASSERT_TRUE(main.lblDrawLineNumber.visible);  // walking the lines is PickTest's and CheckNumbersTest's

    app.session.WinningLinesMode = true;
    main.mnuShowDraws.Click();
    EXPECT_EQ(main.txtDrawNumber.text, "2065");
    EXPECT_FALSE(app.session.LinesMode || app.session.WinningLinesMode);
    EXPECT_TRUE(main.cmdBOF.visible && main.cmdDateSearch.visible);
    EXPECT_FALSE(main.cmdFirstOccurance.visible || main.lblDrawLineNumber.visible);
    EXPECT_TRUE(main.mnuFileSave.enabled && main.mnuCheckNumbers.enabled);

    // A game switch disables the line commands even with lines at hand.
    main.mnuDrawThunderball.Click();
    EXPECT_FALSE(main.mnuFileSave.enabled);
}

TEST_F(StartedMainWindowTest, AGameWithoutDrawsSaysHowToGetThemAndCreatesNoFile) {
    const auto noDraws = [](Game game) {
        return Message{NoDrawsMessage(game), "No Draws", MsgBoxIcon::None};
    };
    main.mnuDrawLottoExtra.Click();
    EXPECT_EQ(desktop.messages, std::vector<Message>{noDraws(Game::LottoExtra)});
    for (const MenuItem* command : {&main.mnuUpdateImportHistory, &main.mnuUpdateLottoExtraHistory}) {
        EXPECT_NE(noDraws(Game::LottoExtra).text.find('"' + command->caption + '"'), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "LottoExtraHistory.dat"));
    // View Draws, run before the load, has already named the game.
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Lotto Extra Draw");
    // No Lotto draw stays under the Lotto Extra caption: the game has no draws and no statistics.
    EXPECT_EQ(Shown(main), "  |       |  |  ");
    EXPECT_EQ(main.cmbSorted.ListCount(), 0);
    EXPECT_EQ(main.txtNumberOfDraws.text, "0");
    EXPECT_FALSE(desktop.busy);
    // Browsing after the failure touches nothing it should not.
    main.cmdEOF.Click();
    desktop.inputAnswers = {"5"};
    main.cmdNumberSearch.Click();

    // The game started with, its file gone since; then a file that is there but cannot be read, reported as
    // the game's failure.
    std::filesystem::remove(HistoryPath(dir.Path(), Game::Lotto));
    main.mnuDrawLotto.Click();
    EXPECT_EQ(desktop.messages.back(), noDraws(Game::Lotto));
    std::filesystem::create_directory(HistoryPath(dir.Path(), Game::Lotto));
    main.mnuDrawLotto.Click();
    const auto failure = HistoryLoadFailure(Game::Lotto);
    EXPECT_EQ(desktop.messages.back(), (Message{failure.text, failure.title, MsgBoxIcon::None}));
}

TEST_F(StartedMainWindowTest, PrintingHelpLinksAboutAndExit) {
    main.mnuPrint.Click();
    EXPECT_EQ(desktop.messages.back(),
              (Message{"You must pick numbers or load saved numbers before you can print them!",
                       "Pick Numbers", MsgBoxIcon::Exclamation}));
    EXPECT_EQ(desktop.printerDialogs, 0);

    main.SetPrintListing("lines\r\n");
    desktop.printerAnswers = {false, true, true};
    main.mnuPrint.Click();
    EXPECT_TRUE(desktop.printouts.empty());
    main.mnuPrint.Click();
    ASSERT_EQ(desktop.printouts.size(), 1u);
    EXPECT_EQ(desktop.printouts[0].text, "lines\r\n\r\n");
    desktop.printSucceeds = false;
    main.mnuPrint.Click();
    EXPECT_EQ(desktop.messages.back(), (Message{"Unable to Print. Please check your Printer and try again.",
                                                "Unable to Print", MsgBoxIcon::Exclamation}));

    main.mnuHelpContents.Click();
    EXPECT_EQ(desktop.helpShown.back(), (dir / "Quintara.html").string());
    desktop.helpSucceeds = false;
    main.mnuHelpContents.Click();
    EXPECT_EQ(desktop.messages.back().title, "Unable to Load Help File");
    // Every link opens something that exists: the manual's sections, or the operator's pages.
    const std::string manual = (dir / "Quintara.html").string();
    main.mnuUpdateGetDefaultWheels.Click();
    EXPECT_EQ(desktop.helpShown.back(), manual + "#" + std::string(kWheelsSection));
    main.mnuHelpVisitHomePage.Click();
    EXPECT_EQ(desktop.helpShown.back(), manual);
    main.lblWebAddress.Click();
    EXPECT_EQ(desktop.shellOpens.back(), kResultsSiteAddress);
    main.mnuUpdateGetHistoryFiles.Click();
    EXPECT_EQ(desktop.helpShown.back(), manual + "#" + std::string(kHistoriesSection));
    main.mnuUpdateDownloadResults.Click();
    EXPECT_TRUE(desktop.downloads.empty());
    EXPECT_NE(desktop.messages.back().text.find(HowToGetDraws(Game::Lotto)), std::string::npos);
    main.mnuDrawThunderball39.Click();
    main.mnuUpdateGetHistoryFiles.Click();
    EXPECT_EQ(desktop.shellOpens.back(), Info(Game::Thunderball39).resultsPage);

    desktop.WhenShownModally<frmAbout>("frmAbout", [](frmAbout& about) { about.cmdOK.Click(); });
    main.mnuHelpAbout.Click();
    EXPECT_EQ(app.forms.Find<frmAbout>(), nullptr);

    // Closing the main window closes every other window with it (saving the recent files is
    // SavedLinesTest's).
    main.mnuPick6.Click();
    main.mnuListsPickedNumbers.Click();
    ASSERT_EQ(app.forms.Forms().size(), 2u);
    main.UserCloses();
    EXPECT_TRUE(app.forms.Forms().empty());
}

}  // namespace
}  // namespace quintara::ui::test
