#include <algorithm>
#include <tuple>

#include "check/BallValidation.h"
#include "formkit/CaptionFit.h"
#include "ui/MainWindowFixture.h"
#include "ui/check/CheckCommands.h"
#include "ui/check/frmCheckNumbers.h"
#include "ui/check/frmWins.h"

namespace quintara::ui::test {
namespace {

using Texts = std::vector<std::string>;

LottoDrawRec Line(std::initializer_list<int> balls) {
    LottoDrawRec line;
    std::transform(balls.begin(), balls.end(), line.Balls.begin(), [](int b) { return std::int16_t(b); });
    return line;
}

CheckBoxes CheckBoxesOf(const Texts& typed) {
    CheckBoxes boxes;
    std::copy(typed.begin(), typed.end(), boxes.begin());
    return boxes;
}

class CheckNumbersTest : public StartedMainWindowTest {
protected:
    // Lines on show as if they had just been picked or loaded.
    void ShowLines(const OneBased<LottoDrawRec>& lines) {
        app.state.PickedLines = lines;
        app.session.LinesMode = true;
        app.session.CurrentLine = 1;
        main.SetMode(frmQuintara::Mode::Pick);
        main.SetLineMenus(true);
        main.SetPrintListing("listing");
    }

    // Check Numbers with these box texts typed in box order, then the check button.
    void Check(const Texts& numbers) {
        desktop.WhenShownModally<frmCheckNumbers>("frmCheckNumbers", [numbers](frmCheckNumbers& form) {
            const auto boxes = form.Boxes();
            for (std::size_t i = 0; i < numbers.size(); ++i) {
                EXPECT_TRUE(boxes[i]->UserTypes(numbers[i])) << numbers[i];
            }
            EXPECT_TRUE(form.cmdCheckNumbers.UserClick());
        });
        main.mnuCheckNumbers.Click();
        EXPECT_EQ(desktop.PendingModalSteps(), 0u);
    }

    const Message kRefused{std::string(kCheckRefusedText), std::string(kCheckRefusedTitle),
                           MsgBoxIcon::Exclamation};
};

TEST_F(CheckNumbersTest, ChecksTheLinesReportsThemAndWalksTheWinningLines) {
    const OneBased<LottoDrawRec> lines{Line({1, 2, 3, 10, 11, 12}), Line({20, 21, 22, 23, 24, 25}),
                                       Line({1, 2, 3, 4, 5, 7}), Line({1, 2, 3, 4, 30, 31}),
                                       Line({40, 41, 42, 43, 44, 45})};
    ShowLines(lines);
    const std::string caption = main.caption;
    const Texts typed{"1", "2", "3", "4", "5", "6", "7"};
    Check(typed);
    EXPECT_TRUE(desktop.messages.empty());

    // The engine's check of the typed numbers: its report, its winning lines, its caption.
    const CheckResult expected =
        CheckLines(Game::Lotto, TypedFromBoxes(Game::Lotto, CheckBoxesOf(typed)), lines);
    ASSERT_EQ(expected.winners, 3);
    const std::string report = app.state.ReportText;
    EXPECT_EQ(report, WinningReportText(expected));
    EXPECT_EQ(app.state.WinningLines, expected.winningLines);
    auto* wins = app.forms.Find<frmWins>();
    ASSERT_NE(wins, nullptr);
    EXPECT_TRUE(wins->Visible());
    EXPECT_EQ(wins->txtWins.text, report);
    EXPECT_EQ(desktop.showings.back().mode, ShowMode::Modeless);
    EXPECT_EQ(app.forms.Find<frmCheckNumbers>(), nullptr) << "the report window unloads the check window";

    // The main window is on the winning lines, showing the first.
    const SessionState& session = app.session;
    EXPECT_EQ(std::tuple(session.LinesMode, session.WinningLinesMode, session.WinningLinePosition,
                         session.CurrentLine, main.txtPrint.text, session.PrintListing),
              std::tuple(false, true, 1, 1, "", ""));
    EXPECT_EQ(main.lblViewOccurances.caption, WinningLinesCaption(expected.winners));
    EXPECT_EQ(main.caption, caption);
    EXPECT_EQ(main.lblDrawLineNumberNumber.caption, "1");
    EXPECT_EQ(Shown(main), "  | 1 2 3 10 11 12 |  |  ");

    // The occurrence buttons walk the winning lines (position, line): the label counts them, the balls are
    // the line's.
    const std::tuple<CommandButton*, int, std::size_t> walk[] = {
        {&main.cmdNextOccurance, 2, 3},  {&main.cmdNextOccurance, 3, 4},
        {&main.cmdNextOccurance, 3, 4},  {&main.cmdPreviousOccurance, 2, 3},
        {&main.cmdFirstOccurance, 1, 1}, {&main.cmdPreviousOccurance, 1, 1},
        {&main.cmdLastOccurance, 3, 4},
    };
    for (const auto& [button, position, line] : walk) {
        button->Click();
        EXPECT_EQ(std::tuple(app.session.WinningLinePosition, app.session.CurrentLine,
                             main.lblDrawLineNumberNumber.caption, main.lblDrawBall5.caption),
                  std::tuple(position, static_cast<int>(line), std::to_string(position),
                             std::to_string(lines[line].Balls[4])))
            << button->Name();
    }
}

TEST_F(CheckNumbersTest, NoWinnerAndTheRefusalBeforeAnyLines) {
    main.mnuCheckNumbers.Click();
    EXPECT_EQ(desktop.messages, std::vector<Message>{kRefused});
    EXPECT_EQ(app.forms.Find<frmCheckNumbers>(), nullptr);
    desktop.messages.clear();

    // Nothing won: the report says so, and the main window shows no line and cannot walk to one.
    app.state.PickedLines = {Line({1, 2, 3, 4, 5, 6}), Line({11, 12, 13, 14, 15, 16})};
    app.session.LinesMode = true;
    Check({"31", "32", "33", "34", "35", "36", "1"});
    EXPECT_EQ(app.session.CurrentLine, 0);
    EXPECT_EQ(main.lblViewOccurances.caption, "");
    EXPECT_EQ(main.lblDrawBall1.caption, "");
    main.cmdLastOccurance.Click();
    main.cmdFirstOccurance.Click();
    EXPECT_EQ(main.lblDrawBall1.caption, "");
    EXPECT_EQ(main.lblDrawLineNumberNumber.caption, "");
    EXPECT_TRUE(desktop.messages.empty());
}

// The game table sets the boxes and captions; here, each game's window shows its boxes, fits its caption
// and keeps every box inside.
TEST_F(CheckNumbersTest, EachGameHasItsOwnBoxesAndWidth) {
    CheckCommands commands(app, main);
    for (const Game game : {Game::Lotto, Game::LottoExtra, Game::Thunderball, Game::DailyPlay}) {
        SCOPED_TRACE(GameName(game));
        app.state.CurrentGame = GameName(game);
        auto& form = app.forms.Get<frmCheckNumbers>(app, commands);
        EXPECT_EQ(form.caption, "Check Numbers - " + GameName(game) + " Draw");
        EXPECT_GE(form.width, CaptionFitWidth(form.caption));
        const auto boxes = form.Boxes();
        for (std::size_t i = 0; i < 7; ++i) {
            const bool shown = int(i) < Info(game).checkBoxes;
            EXPECT_EQ(boxes[i]->visible, shown) << i;
            EXPECT_TRUE(!shown || boxes[i]->left + boxes[i]->width <= form.ScaleWidth()) << i;
        }
        form.Unload();
    }
}

// Which texts pass and what each refusal says is the ball validation's own test; here, leaving a box
// runs it for the game on show, the message reaches the user and the box keeps the focus.
TEST_F(CheckNumbersTest, LeavingABoxChecksItForTheGameOnShow) {
    CheckCommands commands(app, main);
    for (const auto& [game, typed, left] :
         {std::tuple{Game::Lotto, Texts{"7", "07"}, ""}, {Game::Thunderball, Texts{"35"}, "35"}}) {
        SCOPED_TRACE(GameName(game));
        desktop.messages.clear();
        app.state.CurrentGame = GameName(game);
        auto& form = app.forms.Get<frmCheckNumbers>(app, commands);
        form.Show();
        const auto boxes = form.Boxes();
        for (std::size_t i = 0; i < typed.size(); ++i) {
            ASSERT_TRUE(boxes[i]->UserTypes(typed[i]));
        }
        TextBox& last = *boxes[typed.size() - 1];
        EXPECT_FALSE(form.cmdCheckNumbers.UserFocus());
        EXPECT_EQ(form.ActiveControl(), &last);
        const Checked verdict = ValidateBall(game, CheckBoxesOf(typed), static_cast<int>(typed.size()));
        ASSERT_FALSE(verdict);
        EXPECT_EQ(desktop.messages,
                  (std::vector<Message>{{verdict.error().text, "Input Error", MsgBoxIcon::None}}));
        EXPECT_EQ(last.text, left);
        // Cancel leaves without a check.
        desktop.messages.clear();
        EXPECT_TRUE(form.cmdCancel.UserClick() && desktop.messages.empty());
        EXPECT_EQ(app.forms.Find<frmCheckNumbers>(), nullptr);
    }
}

TEST_F(CheckNumbersTest, TheCheckButtonWaitsForEveryBoxAndTheCheckGuardsItsBoxes) {
    ShowLines({Line({1, 2, 3, 4, 5, 6})});
    desktop.WhenShownModally<frmCheckNumbers>("frmCheckNumbers", [](frmCheckNumbers& form) {
        const auto boxes = form.Boxes();
        for (std::size_t i = 0; i < 6; ++i) {
            boxes[i]->UserTypes(std::to_string(i + 1));
        }
        // The bonus ball is missing: the click does nothing.
        EXPECT_TRUE(form.cmdCheckNumbers.UserClick() && form.Visible());
        // Box 1 changed to repeat box 2 after box 2 was left: the button checks every box again.
        boxes[0]->UserTypes("2");
        form.txtBonusBall.UserTypes("9");
        EXPECT_TRUE(form.cmdCheckNumbers.UserClick() && form.Visible());
        EXPECT_EQ(form.txtBall2.text, "");
        EXPECT_EQ(form.ActiveControl(), &form.txtBall2);
        form.txtBall2.UserTypes("1");
        EXPECT_TRUE(form.cmdCheckNumbers.UserClick());
    });
    main.mnuCheckNumbers.Click();
    const Message duplicate{"You must enter a DIFFERENT numeric value between 1 and 49 in each box",
                            "Input Error", MsgBoxIcon::None};
    EXPECT_EQ(desktop.messages, std::vector<Message>{duplicate});
    EXPECT_EQ(app.state.WinningLines[1].Matches, 6);
    desktop.messages.clear();

    // The check's own guard: an empty box gives its message and the check window again.
    app.state.CurrentGame = GameName(Game::Thunderball);
    app.session.LinesMode = true;
    CheckCommands commands(app, main);
    desktop.WhenShownModally<frmCheckNumbers>("frmCheckNumbers",
                                              [](frmCheckNumbers& form) { form.Unload(); });
    commands.CheckNumbers({"1", "2", "3", "4", "", "", ""});
    const Message guard{"Please enter a number in each of boxes 1-5", "Enter Numbers",
                        MsgBoxIcon::Exclamation};
    EXPECT_EQ(desktop.messages, std::vector<Message>{guard});
    EXPECT_EQ(desktop.showings.back().form, "frmCheckNumbers");
    EXPECT_EQ(desktop.showings.back().mode, ShowMode::Modal);
    EXPECT_TRUE(app.session.LinesMode);
}

TEST_F(CheckNumbersTest, DailyPlayChecksItsSevenNumberLines) {
    app.state.CurrentGame = GameName(Game::DailyPlay);
    DailyPlayDrawRec three;
    DailyPlayDrawRec five;
    three.Balls = {1, 2, 3, 20, 21, 22, 23};
    five.Balls = {1, 2, 3, 4, 21, 22, 27};
    app.state.DailyPlayPickedLines = {three, five};
    app.session.LinesMode = true;
    const Texts typed{"1", "2", "3", "4", "5", "6", "27"};
    Check(typed);
    EXPECT_EQ(app.state.WinningLines,
              CheckLines(Game::DailyPlay, TypedFromBoxes(Game::DailyPlay, CheckBoxesOf(typed)),
                         app.state.DailyPlayPickedLines)
                  .winningLines);
    // Where the seventh number is shown is PickTest's.
    EXPECT_EQ(app.state.WinningLines.Size(), 1u);
}

TEST_F(CheckNumbersTest, TheReportWindowPrintsAndSavesTheReportUnderTheNameAsTyped) {
    ShowLines({Line({1, 2, 3, 4, 5, 6})});
    Check({"1", "2", "3", "7", "8", "9", "10"});
    auto& wins = *app.forms.Find<frmWins>();
    const std::string report = app.state.ReportText;

    EXPECT_EQ(Printed(desktop, wins.cmdPrint), report + "\r\n");

    const auto path = dir / "Winning Report";
    desktop.fileAnswers = {path.string()};
    wins.cmdSave.Click();
    ASSERT_EQ(desktop.fileQuestions.size(), 1u);
    EXPECT_TRUE(desktop.fileQuestions[0].save && desktop.fileQuestions[0].asTyped);
    EXPECT_EQ(desktop.fileQuestions[0].proposedName, "Winning Report");
    EXPECT_EQ(dir.Read("Winning Report"), report + "\r\n");

    // A folder that cannot be: the message names the file, and the window stays.
    const auto blocker = dir.Write("blocker", "a file");
    desktop.fileAnswers = {(blocker / "report.txt").string()};
    wins.cmdSave.Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].text.find((blocker / "report.txt").string()), std::string::npos);
    EXPECT_TRUE(wins.Loaded());

    wins.cmdClose.Click();
    EXPECT_EQ(app.forms.Find<frmWins>(), nullptr);
}

TEST_F(CheckNumbersTest, AnOpenReportWindowTakesTheGameOfItsNewReport) {
    ShowLines({Line({1, 2, 3, 4, 5, 6})});
    Check({"1", "2", "3", "7", "8", "9", "10"});
    ASSERT_EQ(app.forms.Find<frmWins>()->caption, "Win - Lotto Draw");
    main.mnuDrawThunderball.Click();
    app.state.PickedLines = {Line({1, 2, 3, 4, 5, 0})};
    app.session.LinesMode = true;
    main.mnuCheckNumbers.enabled = true;
    Check({"1", "2", "3", "4", "5"});
    EXPECT_EQ(app.forms.Find<frmWins>()->caption, "Win - Thunderball Draw");
    EXPECT_EQ(app.forms.Find<frmWins>()->txtWins.text, app.state.ReportText);
}

}  // namespace
}  // namespace quintara::ui::test
