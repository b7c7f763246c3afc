#include <algorithm>

#include "history/HistoryCsv.h"
#include "history/HistoryUpdate.h"
#include "support/FileSizeLimit.h"
#include "ui/MainWindowFixture.h"
#include "ui/history/frmUpdateLottoHistory.h"
#include "ui/picks/frmMostLikelyNumbers.h"

namespace quintara::ui::test {
namespace {

const std::string kDifferent49 = "You must enter a DIFFERENT numeric value between 1 and 49 in each box";
const Message kInvalidNumber{"Draw Number Invalid. Please re-enter.", "Incorrect Draw Number",
                             MsgBoxIcon::None};
const Message kCompleted{"Update of History Completed", "Updated", MsgBoxIcon::None};

class UpdateHistoryTest : public StartedMainWindowTest {
protected:
    // The update window, opened first by `command` if one is given.
    frmUpdateLottoHistory& Window(MenuItem* command = nullptr) {
        if (command != nullptr) {
            command->Click();
        }
        auto* window = app.forms.Find<frmUpdateLottoHistory>();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    // Types into the boxes in keyboard order, as a user tabbing through them does: each box is checked
    // when the next one takes the focus. False when a check kept the focus back.
    static bool TypeDraw(frmUpdateLottoHistory& window, const std::vector<std::string>& balls,
                         const std::string& date, const std::string& set = "",
                         const std::string& machine = "") {
        std::vector<TextBox*> boxes;
        for (TextBox* box : {&window.txtBall1, &window.txtBall2, &window.txtBall3, &window.txtBall4,
                             &window.txtBall5, &window.txtBall6, &window.txtBonusBall}) {
            if (box->visible) {
                boxes.push_back(box);
            }
        }
        EXPECT_EQ(boxes.size(), balls.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (!boxes[i]->UserTypes(balls[i])) {
                return false;
            }
        }
        return window.txtDrawDate.UserTypes(date) && window.txtBallSet.UserTypes(set) &&
               window.txtMachine.UserTypes(machine);
    }

    // The bytes of a file of the test folder.
    std::string Bytes(const std::filesystem::path& path) const { return dir.Read(path.filename().string()); }

    std::int32_t LottoDraws() { return HistoryDrawCount(Game::Lotto, dir.Path()).value(); }
};

// Which texts, draws and dates pass is the draw entry's own test; here, a refused box is emptied and keeps
// the focus, a refused update writes nothing, and a new draw is written and shown.
TEST_F(UpdateHistoryTest, LottoChecksItsBoxesAndAddsDrawNPlusOne) {
    const std::int32_t n = LottoDraws();
    auto& window = Window(&main.mnuUpdateLottoHistory);
    EXPECT_EQ(window.txtDrawNumber.text, std::to_string(n + 1));

    ASSERT_TRUE(window.txtBall1.UserTypes("5"));
    EXPECT_FALSE(window.txtBall2.UserTypes("9") && window.txtBall3.UserTypes("05") &&
                 window.txtBall4.UserTypes("1"));
    EXPECT_EQ(desktop.messages.back(), (Message{kDifferent49, "Input Error", MsgBoxIcon::None}));
    EXPECT_EQ(window.txtBall3.text, "");
    EXPECT_EQ(window.ActiveControl(), &window.txtBall3);
    ASSERT_TRUE(window.txtBall3.UserTypes("30") && window.txtBall4.UserTypes("41") &&
                window.txtBall5.UserTypes("12") && window.txtBall6.UserTypes("7") &&
                window.txtBonusBall.UserTypes("8") && window.txtDrawDate.UserTypes("5/12/2026"));
    EXPECT_FALSE(window.txtBallSet.UserFocus());
    EXPECT_EQ(desktop.messages.back().title, "Draw Date");
    EXPECT_EQ(window.txtDrawDate.text, "");
    ASSERT_TRUE(window.txtDrawDate.UserTypes("05/12/2026") && window.txtMachine.UserTypes("merlin"));

    const std::string before = Bytes(HistoryPath(dir.Path(), Game::Lotto));
    window.txtDrawNumber.text = std::to_string(n + 2);
    window.cmdUpdate.UserClick();
    EXPECT_EQ(desktop.messages.back(), kInvalidNumber);
    EXPECT_EQ(window.txtDrawNumber.text, "");
    EXPECT_EQ(window.ActiveControl(), &window.txtDrawNumber);
    EXPECT_EQ(Bytes(HistoryPath(dir.Path(), Game::Lotto)), before);

    // A new draw: written first, the main window reloads and shows it, the window offers N + 2.
    window.txtDrawNumber.text = std::to_string(n + 1);
    const int turns = desktop.eventTurns;
    window.cmdUpdate.UserClick();
    EXPECT_EQ(desktop.messages.back(), kCompleted);
    EXPECT_EQ(desktop.eventTurns - turns, 500);
    EXPECT_EQ(LottoDraws(), n + 1);
    EXPECT_EQ(Shown(main), std::to_string(n + 1) + " 05/12/2026 | 5 9 30 41 12 7 | 8 | 0 MERLIN");
    EXPECT_EQ(window.txtDrawNumber.text, std::to_string(n + 2));
    EXPECT_EQ(
        window.txtBall1.text + window.txtBonusBall.text + window.txtDrawDate.text + window.txtMachine.text,
        "");
    EXPECT_FALSE(desktop.busy);
}

TEST_F(UpdateHistoryTest, WholeDrawNumbersLaterNewDrawsAndOldCorrectionsOnlyOnAYes) {
    auto& window = Window(&main.mnuUpdateLottoHistory);
    const std::int32_t n = LottoDraws();
    const auto path = HistoryPath(dir.Path(), Game::Lotto);
    const std::string before = Bytes(path);
    const double newest = app.state.LottoDraws[1].DrawDate;
    // Which draws and dates are refused is the entry rules' test; here, the refusal reaches the user.
    ASSERT_TRUE(TypeDraw(window, {"1", "2", "3", "4", "5", "6", "7"}, FormatDate(newest)));
    window.txtDrawNumber.text = std::to_string(n + 1);
    window.cmdUpdate.UserClick();
    EXPECT_EQ(desktop.messages.back(),
              (Message{NotLaterMessage(newest, newest), "Draw Date", MsgBoxIcon::None}));
    EXPECT_EQ(Bytes(path), before);

    // Draw 2 is replaced only after a Yes to the question.
    desktop.yesNoAnswers = {false, true};
    for (int answer = 0; answer < 2; ++answer) {
        ASSERT_TRUE(TypeDraw(window, {"1", "2", "3", "4", "5", "6", "7"}, "05/12/1994"));
        window.txtDrawNumber.text = "2";
        window.cmdUpdate.UserClick();
        EXPECT_EQ(desktop.yesNoQuestions.back().prompt, CorrectionQuestion(2, n).text);
        EXPECT_EQ(Bytes(path) == before, answer == 0);
    }
    EXPECT_EQ(desktop.messages.back(), kCompleted);
    EXPECT_EQ(LottoDraws(), n);
    EXPECT_EQ(app.state.LottoDraws[static_cast<std::size_t>(n - 1)].Balls[0], 1);
}

TEST_F(UpdateHistoryTest, EachGameHasItsOwnBoxesAndCancelChecksNothing) {
    for (const auto& [command, game] : {std::pair{&main.mnuUpdateThunderballHistory, Game::Thunderball},
                                        {&main.mnuUpdateDailyPlayHistory, Game::DailyPlay}}) {
        SCOPED_TRACE(GameName(game));
        auto& window = Window(command);
        EXPECT_EQ(window.caption, "Quintara 2.0 - Update History - " + GameName(game) + " Draw");
        EXPECT_EQ(window.txtBall6.visible, Info(game).mainBalls >= 6);
        EXPECT_TRUE(window.txtBonusBall.visible);
    }
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Daily Play Draw");
    // Another game's command closed the window and opened it for that game.
    EXPECT_EQ(std::count(desktop.unloaded.begin(), desktop.unloaded.end(), "frmUpdateLottoHistory"), 1);

    // Cancel closes the window without checking the box it leaves.
    auto& window = Window();
    window.txtBall5.text = "99";
    const auto messages = desktop.messages.size();
    window.cmdCancel.UserClick();
    EXPECT_EQ(desktop.messages.size(), messages);
    EXPECT_EQ(app.forms.Find<frmUpdateLottoHistory>(), nullptr);
}

TEST_F(UpdateHistoryTest, AGameWithoutDrawsRefusesItsCommandsUntilTheFirstDrawIsTypedIn) {
    main.mnuPick6.Click();  // Lotto lines, so that a stale line would show
    main.mnuDrawLottoExtra.Click();
    const Message noDraws{NoDrawsMessage(Game::LottoExtra), "No Draws", MsgBoxIcon::Exclamation};
    const auto lines = app.state.PickedLines;
    // One command of each guard: the lists and charts share theirs.
    for (MenuItem* command : {&main.mnuPick6, &main.mnuShowMostLikelyNumbers, &main.mnuSimulateFinalNumbers,
                              &main.mnuListsLastDrawn}) {
        desktop.messages.clear();
        command->Click();
        EXPECT_EQ(desktop.messages, std::vector<Message>{noDraws}) << command->Name();
    }
    EXPECT_TRUE(main.cmbAlgorithms.enabled && main.cmbWheels.enabled);
    EXPECT_EQ(app.state.PickedLines, lines);
    EXPECT_EQ(app.forms.Find<frmMostLikelyNumbers>(), nullptr);

    // The window opens on the empty history and offers draw 1; the first draw makes the game usable.
    desktop.messages.clear();
    auto& window = Window(&main.mnuUpdateLottoExtraHistory);
    EXPECT_FALSE(window.txtBonusBall.visible || window.lblBonusBall.visible);
    EXPECT_EQ(window.txtDrawNumber.text, "1");
    ASSERT_TRUE(TypeDraw(window, {"3", "14", "25", "36", "47", "8"}, "05/12/2026", "x1", "avalon"));
    window.cmdUpdate.UserClick();
    EXPECT_EQ(desktop.messages.back(), kCompleted);
    EXPECT_EQ(Shown(main), "1 05/12/2026 | 3 14 25 36 47 8 |  | X1 AVALON");
    EXPECT_EQ(window.txtDrawNumber.text, "2");
    desktop.messages.clear();
    main.mnuPick6.Click();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(main.caption, "Quintara - Pick Mode - Lotto Extra Draw");
}

TEST_F(UpdateHistoryTest, TheWindowWritesItsOwnGameWhateverTheMainWindowShows) {
    const std::int32_t n = LottoDraws();
    const auto thunderballPath = HistoryPath(dir.Path(), Game::Thunderball);
    const std::string thunderballBefore = Bytes(thunderballPath);
    auto& window = Window(&main.mnuUpdateLottoHistory);
    main.mnuDrawThunderball.Click();

    // Lotto's checks, Lotto's file, and the main window back on Lotto to show the draw.
    ASSERT_TRUE(TypeDraw(window, {"40", "41", "42", "43", "44", "45", "46"}, "05/12/2026", "3", "Lancelot"));
    window.cmdUpdate.UserClick();
    EXPECT_EQ(desktop.messages.back(), kCompleted);
    EXPECT_EQ(LottoDraws(), n + 1);
    EXPECT_EQ(Bytes(thunderballPath), thunderballBefore);
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Lotto Draw");
    EXPECT_EQ(Shown(main), std::to_string(n + 1) + " 05/12/2026 | 40 41 42 43 44 45 | 46 | 3 LANCELOT");

    // The same game's command only brings it to the front.
    main.mnuUpdateLottoHistory.Click();
    EXPECT_EQ(desktop.broughtToFront.back(), "frmUpdateLottoHistory");
}

TEST_F(UpdateHistoryTest, AFailedWriteLeavesTheFileAsItWasAndSaysWhy) {
    auto& window = Window(&main.mnuUpdateLottoHistory);
    const auto path = HistoryPath(dir.Path(), Game::Lotto);
    const std::string before = Bytes(path);
    ASSERT_TRUE(TypeDraw(window, {"1", "2", "3", "4", "5", "6", "7"}, "05/12/2026", "", "Arthur"));

    // The disk fills up half way through the new file.
    quintara::test::WithFileSizeLimit(20000, [&] { window.cmdUpdate.UserClick(); });

    EXPECT_EQ(desktop.messages.back(),
              (Message{"An Error occured Updating History File, unable to Complete\r\n" + path.string() +
                           ": write error (the file is too large). The history file was not changed.",
                       "Error Updating", MsgBoxIcon::None}));
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(window.txtBallSet.text, "0");  // the set Lotto stores, shown until the boxes are emptied
    EXPECT_EQ(window.txtBall1.text, "1");
    EXPECT_FALSE(desktop.busy);

    // A machine the record cannot hold is refused at its box, the file untouched.
    window.txtMachine.text = "Gwenhwyfar the long";
    window.cmdUpdate.UserClick();
    EXPECT_EQ(desktop.messages.back().title, "Input Error");
    EXPECT_EQ(window.ActiveControl(), &window.txtMachine);
    EXPECT_EQ(Bytes(path), before);
}

// Another Quintara adds a draw while the window is open: the draw typed here goes after it, as the
// new draw it was offered as, and the other draw stays.
TEST_F(UpdateHistoryTest, ADrawAddedElsewhereMeanwhileIsKept) {
    const std::int32_t n = LottoDraws();
    auto& window = Window(&main.mnuUpdateLottoHistory);
    const LottoDrawRec elsewhere{SerialFromCivil({2026, 12, 1}), {9, 8, 7, 6, 5, 4}, 3, 1, "OTHER"};
    ASSERT_TRUE(AddDraw(dir.Path(), elsewhere).has_value());
    ASSERT_TRUE(TypeDraw(window, {"1", "2", "3", "4", "5", "6", "7"}, "05/12/2026", "", "Arthur"));
    window.cmdUpdate.UserClick();
    EXPECT_EQ(desktop.messages.back(), kCompleted);
    EXPECT_EQ(LottoDraws(), n + 2);
    EXPECT_EQ(app.state.LottoDraws[2], elsewhere);
    EXPECT_EQ(app.state.LottoDraws[1].Machine.Text(), "ARTHUR   ");
    EXPECT_EQ(window.txtDrawNumber.text, std::to_string(n + 3));
}

TEST_F(UpdateHistoryTest, ACsvFileReplacesAHistoryOnlyWhenTheUserSaysSo) {
    main.mnuDrawDailyPlay.Click();
    ASSERT_TRUE(main.mnuUpdateImportHistory.visible && main.mnuUpdateImportHistory.Usable());
    const std::string header = HistoryCsvHeader(Game::DailyPlay) + "\n";
    const auto csv = dir.Write("daily.csv", header +
                                                "2026-12-01,1,2,3,4,5,6,7,A,M1\n"
                                                "2026-12-02,8,9,10,11,12,13,14,B,M2\n");
    const auto path = HistoryPath(dir.Path(), Game::DailyPlay);

    // An empty history is filled without a question.
    desktop.messages.clear();
    desktop.fileAnswers = {csv.string()};
    main.mnuUpdateImportHistory.Click();
    EXPECT_TRUE(desktop.yesNoQuestions.empty());
    EXPECT_EQ(desktop.messages.back(), (Message{"Imported 2 Daily Play draws into " + path.string() + ".",
                                                "Import History", MsgBoxIcon::None}));
    EXPECT_EQ(Shown(main), "2 02/12/2026 | 8 9 10 11 12 13 | 14 | B M2");

    // Which files are refused is the CSV reader's test; here, the refusal reaches the user and changes
    // nothing.
    const std::string held = Bytes(path);
    const auto bad = dir.Write("bad.csv", header +
                                              "2026-12-03,1,2,3,4,5,6,7,A,M1\n"
                                              "2026-12-04,1,2,3,4,5,6,28,A,M1\n");
    desktop.fileAnswers = {bad.string()};
    desktop.yesNoAnswers = {true};
    main.mnuUpdateImportHistory.Click();
    EXPECT_EQ(desktop.messages.back().title, "Import History");
    EXPECT_NE(desktop.messages.back().text.find("line 3: ball7 \"28\""), std::string::npos)
        << desktop.messages.back().text;
    EXPECT_EQ(Bytes(path), held);

    // A history that holds draws is replaced only after a Yes, and kept as a backup.
    const auto replacement = dir.Write("new.csv", header + "2026-12-05,20,21,22,23,24,25,26,C,M3\n");
    desktop.fileAnswers = {replacement.string(), replacement.string()};
    desktop.yesNoAnswers = {false, true};
    main.mnuUpdateImportHistory.Click();
    EXPECT_EQ(Bytes(path), held);
    main.mnuUpdateImportHistory.Click();
    ASSERT_EQ(desktop.yesNoQuestions.size(), 3u);
    EXPECT_EQ(desktop.yesNoQuestions.back().prompt,
              "The Daily Play history holds 2 draws. Replace it with the draws of " + replacement.string() +
                  "?\r\nThe present history will be kept as " + path.string() + ".bak.");
    EXPECT_EQ(desktop.messages.back().text, "Imported 1 Daily Play draw into " + path.string() +
                                                ".\r\nThe previous history is kept as " + path.string() +
                                                ".bak.");
    EXPECT_EQ(Bytes(path.string() + ".bak"), held);
    EXPECT_EQ(Shown(main), "1 05/12/2026 | 20 21 22 23 24 25 | 26 | C M3");
}

}  // namespace
}  // namespace quintara::ui::test
