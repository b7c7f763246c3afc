#include "lines/LinesFile.h"
#include "lines/RecentFiles.h"
#include "ui/MainWindowFixture.h"

namespace quintara::ui::test {
namespace {

const double kToday = SerialFromCivil({2026, 12, 6});
const Message kMissing{"Unable to open the requested File", "Error", MsgBoxIcon::None};

// The captions of the recent items on the File menu, top to bottom.
Items RecentCaptions(const frmQuintara& main) {
    Items captions;
    for (int k : main.mnuFileRecent.Indices()) {
        if (main.mnuFileRecent[k].visible) {
            captions.push_back(main.mnuFileRecent[k].caption);
        }
    }
    return captions;
}

// The topmost recent item showing `caption`.
int RecentItem(const frmQuintara& main, const std::string& caption) {
    for (int k : main.mnuFileRecent.Indices()) {
        if (main.mnuFileRecent[k].caption == caption) {
            return k;
        }
    }
    ADD_FAILURE() << caption << " is not a recent item";
    return -1;
}

// A lines file of Lotto, or of another game whose lines are Lotto records (Thunderball's sixth is its ball).
std::string LottoLinesFile(std::initializer_list<std::array<std::int16_t, 6>> balls,
                           Game game = Game::Lotto) {
    SavedLines lines{game, {}, {}};
    for (const auto& line : balls) {
        LottoDrawRec record;
        record.Balls = line;
        lines.picked.PushBack(record);
    }
    return EncodeLinesFile(lines);
}

class SavedLinesTest : public StartedMainWindowTest {
protected:
    SavedLinesTest() {
        app.clock = [] { return kToday; };
    }

    // Picks the lines of a wheel file imported for the game on show.
    void PickWith(std::string_view wheelFile, std::string_view wheel) {
        main.ImportWheelFile(dir.Write(wheelFile, wheel));
        main.mnuPick6.Click();
        ASSERT_TRUE(app.session.LinesMode);
    }

    void SaveAs(const std::filesystem::path& name) {
        desktop.fileAnswers = {name.string()};
        main.mnuFileSave.Click();
    }

    void LoadSaved(const std::filesystem::path& name) {
        desktop.fileAnswers = {name.string()};
        main.mnuFileLoad.Click();
    }
};

TEST_F(SavedLinesTest, SavedLottoLinesWriteBothFilesAndLoadBackInLinesMode) {
    // Nothing on show yet.
    main.mnuFileSave.Click();
    EXPECT_EQ(desktop.messages.back(), (Message{"You must pick numbers before you can save them!",
                                                "Pick Nmumbers", MsgBoxIcon::Exclamation}));
    EXPECT_TRUE(desktop.fileQuestions.empty());

    PickWith("three.txt", CountingWheel(3, 6, 28));
    const OneBased<LottoDrawRec> picked = app.state.PickedLines;
    ASSERT_EQ(picked.Size(), 3u);
    SaveAs(dir / "picks.txt");
    EXPECT_EQ(desktop.fileQuestions.back().save, true);
    EXPECT_EQ(desktop.fileQuestions.back().proposedName, ProposedLinesName(Game::Lotto));
    // The lines file a recent item can reopen, above the wheel the lines were picked with.
    EXPECT_EQ(RecentCaptions(main), (Items{"picks.lot", "three.txt"}));

    // The text file dated the day the lines were picked.
    EXPECT_EQ(dir.Read("picks.txt"), SavedLinesText({Game::Lotto, picked, {}}, kToday));

    // Cancelling the dialog writes nothing (the binary file's name is LinesFileTest's).
    const auto files = std::distance(std::filesystem::directory_iterator(dir.Path()), {});
    SaveAs("");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), files);

    // Back to the draws with other lines, then the saved ones come back.
    main.mnuShowDraws.Click();
    app.state.PickedLines.Clear();
    LoadSaved(dir / "picks.lot");
    EXPECT_EQ(desktop.fileQuestions.back().save, false);
    EXPECT_EQ(app.state.PickedLines, picked);
    EXPECT_TRUE(app.session.LinesMode);
    EXPECT_EQ(app.session.CurrentLine, 1);
    // The window's look in a lines mode is PickTest's; here, the saved lines' caption and listing.
    EXPECT_EQ(main.caption, "Quintara - View Saved Lines Mode - Lotto Draw");
    EXPECT_EQ(main.lblViewOccurances.caption, "View all 3 saved lines.");
    EXPECT_EQ(main.lblDrawBall1.caption, std::to_string(picked[1].Balls[0]));
    // Print prints the lines on show.
    EXPECT_EQ(main.txtPrint.text, dir.Read("picks.txt"));
    EXPECT_EQ(app.session.PrintListing, main.txtPrint.text);
}

TEST_F(SavedLinesTest, ThunderballLinesKeepTheirThunderballInTheBinaryFileOnly) {
    main.LoadDrawThunderball();
    PickWith("tb.txt", CountingWheel(2, 5, 20));
    app.state.PickedLines[1].Balls[5] = 9;  // a Thunderball, as a line of one's own would carry
    const auto picked = app.state.PickedLines;
    SaveAs(dir / "thunder.txt");
    // The Thunderball stays out of the text file (LinesFileTest); Load Saved offers the Thunderball
    // extensions and takes the lines back.
    main.mnuShowDraws.Click();
    LoadSaved(dir / "thunder.thu");
    EXPECT_EQ(app.state.PickedLines, picked);
}

TEST_F(SavedLinesTest, EmptyShortMissingAndUnwritableFiles) {
    LoadSaved(dir.Write("one.lot", LottoLinesFile({{3, 9, 17, 25, 33, 41}})));
    // Which files read is the lines file's own test; here, a file that is not the game's lines, or a name
    // typed past the filter, is refused with the file and the reason; the lines and captions on show stay.
    const auto before = app.state.PickedLines;
    const std::string caption = main.lblViewOccurances.caption;
    const auto junk = dir.Write("junk.lot", "0123456789abcdefghijklmnopqrstuvwxyz0123456789ABCD");
    dir.Write("notes.txt", "");
    for (const auto& [name, reason] :
         {std::pair{junk, ReadLinesFile(junk, Game::Lotto).error().text},
          {dir / "notes.txt", (dir / "notes.txt").string() + ": not a Lotto saved lines file " +
                                  LinesFileFilter(Game::Lotto)}}) {
        desktop.messages.clear();
        LoadSaved(name);
        EXPECT_EQ(desktop.messages,
                  (std::vector<Message>{{"Unable to open " + reason + ".\r\nThe lines on show are unchanged.",
                                         "Unable to open", MsgBoxIcon::Exclamation}}));
        EXPECT_EQ(app.state.PickedLines, before);
        EXPECT_EQ(main.lblViewOccurances.caption, caption);
    }
    desktop.messages.clear();

    // A save that cannot be written says so and leaves the old files as they were.
    const auto blocker = dir.Write("blocker", "not a folder");
    SaveAs(blocker / "picks.txt");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages.back().title, "Unable to Save");
    EXPECT_TRUE(desktop.messages.back().text.starts_with("Unable to save the picked numbers!\r\n" +
                                                         (blocker / "picks.txt").string()))
        << desktop.messages.back().text;
}

TEST_F(SavedLinesTest, RecentFilesKeepTheFiveNewestOnceAndSurviveARestart) {
    // Loading the built-in default wheel at start-up adds nothing.
    EXPECT_TRUE(RecentCaptions(main).empty());
    EXPECT_FALSE(main.mnuFileHyphen3.visible);

    for (int i = 1; i <= 6; ++i) {
        const std::string name = "lines" + std::to_string(i) + ".lot";
        dir.Write(name, LottoLinesFile({{static_cast<std::int16_t>(i), 12, 13, 14, 15, 16}}));
        LoadSaved(dir / name);
    }
    const Items shown{"lines6.lot", "lines5.lot", "lines4.lot", "lines3.lot", "lines2.lot"};
    EXPECT_EQ(RecentCaptions(main), shown);

    // Closing writes the list with one write of the store; the next run reads it back.
    desktop.settingsWrites = 0;
    main.UserCloses();
    EXPECT_EQ(desktop.settingsWrites, 1);
    App next{desktop, dir.Path()};
    StartUp(next);
    frmQuintara& again = *next.forms.Find<frmQuintara>();
    EXPECT_EQ(RecentCaptions(again), shown);
}

TEST_F(SavedLinesTest, RecentItemsOpenInTheirGameByExtension) {
    // A Lotto lines file whose extension is written in mixed case.
    const auto mixed = dir.Write("Mixed.Lot", LottoLinesFile({{3, 9, 17, 25, 33, 41}}));
    LoadSaved(mixed);
    // A Thunderball wheel imported while Thunderball is on show.
    main.LoadDrawThunderball();
    const auto wheel = dir.Write("tb wheel.txt", CountingWheel(3, 5, 15));
    desktop.fileAnswers = {wheel.string()};
    main.mnuFileImportWheel.Click();
    ASSERT_EQ(RecentCaptions(main).front(), "tb wheel.txt");

    // Choosing an item reopens it without a dialog.
    const auto dialogs = desktop.fileQuestions.size();
    main.mnuFileRecent[RecentItem(main, "Mixed.Lot")].Click();
    EXPECT_EQ(desktop.fileQuestions.size(), dialogs);
    EXPECT_EQ(app.state.CurrentGame, "Lotto");
    EXPECT_EQ(main.caption, "Quintara - View Saved Lines Mode - Lotto Draw");
    EXPECT_EQ(main.lblDrawBall6.caption, "41");

    // The wheel's five fields make it a Thunderball wheel: the game changes and the wheel comes in.
    main.mnuFileRecent[RecentItem(main, "tb wheel.txt")].Click();
    EXPECT_EQ(app.state.CurrentGame, "Thunderball");
    EXPECT_EQ(main.caption, "Quintara - Draw Mode - Thunderball Draw");
    EXPECT_EQ(app.state.WheelLines.Size(), 3u);
    EXPECT_EQ(main.cmbWheels.Text(), "CUSTOM  3 Line Wheel");
    EXPECT_EQ(RecentCaptions(main).front(), "tb wheel.txt");
    EXPECT_TRUE(desktop.messages.empty());
    // Today's Thunderball has lines of five too: the wheel comes in without a change of game.
    main.LoadDraw(Game::Thunderball39);
    main.mnuFileRecent[RecentItem(main, "tb wheel.txt")].Click();
    EXPECT_EQ(app.state.CurrentGame, Game::Thunderball39);
    EXPECT_EQ(app.state.WheelLines.Size(), 3u);

    // Files that are gone: the lines file after its game switch, the wheel before any.
    std::filesystem::remove(mixed);
    main.mnuFileRecent[RecentItem(main, "Mixed.Lot")].Click();
    EXPECT_EQ(desktop.messages, std::vector<Message>{kMissing});
    EXPECT_EQ(app.state.CurrentGame, "Lotto");
    std::filesystem::remove(wheel);
    main.mnuFileRecent[RecentItem(main, "tb wheel.txt")].Click();
    EXPECT_EQ(desktop.messages, (std::vector<Message>{kMissing, kMissing}));
    EXPECT_EQ(app.state.CurrentGame, "Lotto");

    // A file named when the program starts (from the file manager) opens the same way, or says why not.
    const auto thunder = dir.Write("tb.thu", LottoLinesFile({{1, 2, 3, 4, 5, 14}}, Game::Thunderball));
    main.OpenLinesFile(thunder);
    EXPECT_EQ(main.caption, "Quintara - View Saved Lines Mode - Thunderball Draw");
    EXPECT_FALSE(main.lblDrawBallBonus.visible || main.lblDrawBall6.visible);
    EXPECT_EQ(RecentCaptions(main).front(), "tb.thu");
    main.OpenLinesFile(wheel);
    EXPECT_EQ(desktop.messages.back(), (Message{std::string(kMissing.text) + "\r\n" + wheel.string(),
                                                kMissing.title, MsgBoxIcon::None}));
}

}  // namespace
}  // namespace quintara::ui::test
