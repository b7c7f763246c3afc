#include "ui/main/frmQuintara.h"

#include <array>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/History.h"
#include "core/Product.h"
#include "core/TextRules.h"
#include "generate/Catalogue.h"
#include "ui/EngineCalls.h"
#include "ui/Refusals.h"
#include "ui/picks/frmWheelGuarantees.h"
#include "ui/start/frmSplash.h"

namespace quintara::ui {

namespace {

// Where the extra-ball heading, number and picture stand for a game.
struct ExtraBallLayout {
    bool shown;
    std::string_view caption;
    int headingLeft;
    int numberLeft;
    int pictureLeft;
};

ExtraBallLayout ExtraLayout(Game game) {
    const GameInfo& info = Info(game);
    return {!info.extraCaption.empty(), info.extraCaption, info.layout.extraHeadingLeft,
            info.layout.extraNumberLeft, info.layout.extraPictureLeft};
}

}  // namespace

frmQuintara::frmQuintara(App& app)
    : Form("frmQuintara", "Quintara - Draw Mode - Lotto Draw"),
      m_app(app),
      m_state(app.state),
      m_pick(app, *this),
      m_browse(app, *this),
      m_help(app, *this),
      m_lines(app, *this),
      m_check(app, *this),
      m_stats(app),
      m_simulate(app, *this),
      m_update(app, *this) {
    width = kWidth;
    height = kHeight;

    for (Label* ball : {&lblDrawBall1, &lblDrawBall2, &lblDrawBall3, &lblDrawBall4, &lblDrawBall5,
                        &lblDrawBall6, &lblDrawBallBonus}) {
        ball->alignment = Alignment::Center;
        ball->font.size = 12;
        ball->font.bold = true;
        // The ball pictures are light whatever the theme: their numbers stay dark.
        ball->foreColor = 0x000000;
    }
    for (Image* picture : {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7}) {
        picture->picture = m_app.ProgramFile(picture->picture).string();
        picture->stretch = true;
    }
    for (TextBox* box : {&txtDrawDate, &txtDrawNumber, &txtBallSet, &txtMachine, &txtNumberOfDraws}) {
        box->locked = true;
    }
    for (Element* hidden : std::initializer_list<Element*>{
             &cmdFirstOccurance, &cmdPreviousOccurance, &cmdNextOccurance, &cmdLastOccurance,
             &lblViewOccurances, &lblDrawLineNumber, &lblDrawLineNumberNumber, &lblProccessing, &txtPrint,
             &cmbThunderballSorted, &lblOccurancesOfThunderball, &mnuFileHyphen3}) {
        hidden->visible = false;
    }
    mnuFileRecent[0].visible = false;
    lblProccessing.font.bold = true;
    lblWebAddress.caption = std::string(kResultsSiteAddress);
    lblWebAddress.themeForeColor = ThemeColor::Link;
    mnuFileLoad.shortcut = StandardShortcut::Open;
    mnuFileSave.shortcut = StandardShortcut::Save;
    mnuPrint.shortcut = StandardShortcut::Print;
    mnuFileExit.shortcut = StandardShortcut::Quit;
    mnuHelpContents.shortcut = StandardShortcut::HelpContents;
    // Arrows say nothing to a screen reader.
    cmdBOF.accessibleName = "First draw";
    cmdEOF.accessibleName = "Last draw";
    cmdFirstOccurance.accessibleName = "First match";
    cmdPreviousOccurance.accessibleName = "Previous match";
    cmdNextOccurance.accessibleName = "Next match";
    cmdLastOccurance.accessibleName = "Last match";
    cmbAlgorithms.editable = true;
    cmbWheels.editable = true;
    for (MenuItem* item :
         {&mnuThunderballFrequencyBarChart, &mnuThunderballLastDrawnBarChart, &mnuThunderballAveragesBarChart,
          &mnuListsThunderballLastDrawn, &mnuListsThunderballAverages, &mnuSimulateThunderballFinalNumbers,
          &mnuShowPersonalPicks}) {
        item->enabled = false;
    }
    SetLineMenus(false);
    mnuDrawLotto.checked = true;

    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    onPaint = [this] {
        if (auto* splash = m_app.forms.Find<frmSplash>()) {
            splash->Unload();
        }
    };
    onUnload = [this] {
        if (m_app.mainWindow == this) {
            m_app.mainWindow = nullptr;
        }
        if (m_app.saveRecentFiles) {
            m_app.saveRecentFiles();
        }
        // Closing the main window ends the program, whatever other windows are open.
        m_app.forms.UnloadAll();
    };

    BindTo(*this);
    m_pick.BindTo(*this);
    m_browse.BindTo(*this);
    m_help.BindTo(*this);
    m_lines.BindTo(*this);
    m_check.BindTo(*this);
    m_stats.BindTo(*this);
    m_simulate.BindTo(*this);
    m_update.BindTo(*this);
    m_app.mainWindow = this;
}

frmQuintara::~frmQuintara() {
    if (m_app.mainWindow == this) {
        m_app.mainWindow = nullptr;
    }
}

void frmQuintara::BindTo(MainWindow& main) {
    for (const Game game : kAllGames) {
        main.Bind(DrawMenuItems()[static_cast<std::size_t>(game)]->Name(), Event::Click,
                  [this, game] { LoadDraw(game); });
    }
    static constexpr auto kReactions = std::to_array<Reaction<frmQuintara>>({
        {"mnuShowDraws", &frmQuintara::ShowDraws},
        {"mnuPrint", &frmQuintara::mnuPrint_Click},
        {"mnuFileExit", &frmQuintara::mnuFileExit_Click},
    });
    BindReactions(main, *this, kReactions);
}

void frmQuintara::Bind(std::string_view element, Event event, std::function<void()> reaction) {
    auto& target = Get<Element>(element);
    (event == Event::Click ? target.onClick : target.onChange) = std::move(reaction);
}

void frmQuintara::BindRecentFiles(std::function<void(int index)> reaction) {
    mnuFileRecent.onClick = std::move(reaction);
}

void frmQuintara::Form_Load() {
    BusyPointer busy(m_app.desktop);
    m_state.LinesAvailable = false;
    m_state.PersonalPicksActive = false;
    m_state.LinesFromPersonalPicks = false;
    if (m_app.readRecentFiles) {
        try {
            m_app.readRecentFiles();
        } catch (const std::exception&) {
            // A damaged list only costs the user his recent files.
        }
    }
    m_state.CurrentGame = Game::Lotto;
    try {
        helpFile = m_app.ProgramFile("\\Quintara.html");
        LoadWheel(m_app.ProgramFile("\\5 Line Wheel - 1 Number from 28_Lotto.txt"));
        cmbWheels.Clear();
        for (const auto item : WheelItems(Game::Lotto, 0)) {
            cmbWheels.AddItem(std::string(item));
        }
        cmbWheels.SetListIndex(0);
        FillAlgorithms();
    } catch (const std::exception&) {
        busy.Restore();
        m_app.desktop.MsgBox(
            "Unable to load help file!\r\nPlease ensure it is located in the Directory you installed "
            "Quintara in!",
            "Error");
        return;
    }
    LoadHistory();
}

void frmQuintara::Form_Resize() {
    width = kWidth;
    height = kHeight;
}

void frmQuintara::LoadDraw(Game game) {
    BusyPointer busy(m_app.desktop);
    const bool thunderball = Info(game).extraStatistics;
    for (MenuItem* item :
         {&mnuThunderballFrequencyBarChart, &mnuThunderballLastDrawnBarChart, &mnuThunderballAveragesBarChart,
          &mnuListsThunderballLastDrawn, &mnuListsThunderballAverages, &mnuSimulateThunderballFinalNumbers}) {
        item->enabled = thunderball;
    }
    m_state.CurrentGame = game;
    ShowDraws();
    FillAlgorithms();
    for (const Game other : kAllGames) {
        DrawMenuItems()[static_cast<std::size_t>(other)]->checked = other == game;
    }
    SetGameLayout(game);
    lblDrawBallBonus.caption.clear();
    lblDrawBall6.caption.clear();
    if (!LoadHistory()) {
        return;
    }
    caption = "Quintara - Draw Mode - " + m_state.CurrentGame + " Draw";
    m_state.PersonalNumbers.Clear();
    // A custom wheel belongs to the personal numbers of the game it was imported for.
    m_pick.ForgetCustomWheel();
    mnuShowPersonalPicks.enabled = false;
    mnuPick6.enabled = true;
    SetLineMenus(false);
}

std::array<MenuItem*, kAllGames.size()> frmQuintara::DrawMenuItems() {
    return {&mnuDrawLotto,     &mnuDrawLottoExtra, &mnuDrawThunderball,
            &mnuDrawDailyPlay, &mnuDrawLotto59,    &mnuDrawThunderball39};
}

void frmQuintara::PlaceExtraBall(Game game) {
    const ExtraBallLayout extra = ExtraLayout(game);
    lblBonusBall.caption = std::string(extra.caption);
    lblBonusBall.left = extra.headingLeft;
    lblDrawBallBonus.left = extra.numberLeft;
    Image1.left = extra.pictureLeft;
    // Daily Play's seventh ball is a main ball and looks like one.
    Image1.picture =
        m_app.ProgramFile(Info(game).layout.extraIsMainBall ? kBallPicture : kBonusBallPicture).string();
}

void frmQuintara::SetGameLayout(Game game) {
    const ExtraBallLayout extra = ExtraLayout(game);
    lblBonusBall.visible = lblDrawBallBonus.visible = Image1.visible = extra.shown;
    if (extra.shown) {
        PlaceExtraBall(game);
    }
    const bool ballSix = Info(game).mainBalls >= 6;
    lblBall6.visible = lblDrawBall6.visible = Image2.visible = ballSix;
    cmbThunderballSorted.visible = lblOccurancesOfThunderball.visible = Info(game).extraStatistics;
}

void frmQuintara::ShowDraws() {
    // The algorithm list is about to replace the custom wheel: View Personal Picks brings it back.
    m_pick.KeepCustomWheel();
    m_state.PersonalPicksActive = false;
    mnuShowMostLikelyNumbers.enabled = true;
    FillAlgorithms();
    lblDrawLineNumber.visible = lblDrawLineNumberNumber.visible = false;
    m_app.session.OccurrenceDraws.Clear();
    m_app.session.LinesMode = false;
    m_app.session.WinningLinesMode = false;
    m_state.CurrentDraw = 1;
    ShowDraw();
    lblViewOccurances.caption.clear();
    SetMode(Mode::Draw);
    SetLineMenus(m_state.LinesAvailable);
    mnuPick6.enabled = true;
}

void frmQuintara::ShowExtraBall(bool shown) {
    lblBonusBall.visible = lblDrawBallBonus.visible = Image1.visible = shown;
}

void frmQuintara::SetMode(Mode mode) {
    const Game game = m_state.CurrentGameId();
    const bool draws = mode == Mode::Draw;
    const bool walkingLines = mode == Mode::Pick || mode == Mode::SavedLines || mode == Mode::WinningLines;
    for (CommandButton* button : {&cmdBOF, &cmdNext, &cmdBack, &cmdEOF, &cmdNumberSearch, &cmdDateSearch}) {
        button->visible = draws;
    }
    for (CommandButton* button :
         {&cmdFirstOccurance, &cmdPreviousOccurance, &cmdNextOccurance, &cmdLastOccurance}) {
        button->visible = walkingLines;
    }
    lblViewOccurances.visible = walkingLines;
    if (draws && !Info(game).extraCaption.empty()) {
        ShowExtraBall(true);
    }
    if (walkingLines) {
        // A line has no extra ball, but a Daily Play line shows its seventh number there, and a line
        // checked with its Thunderball shows that.
        ShowExtraBall(Info(game).sevenBallLines || Info(game).ChecksLineThunderball());
        lblDrawLineNumber.visible = lblDrawLineNumberNumber.visible = true;
        lblDrawLineNumberNumber.caption = std::to_string(
            mode == Mode::WinningLines ? m_app.session.WinningLinePosition : m_app.session.CurrentLine);
    }
    if (mode == Mode::PersonalPicks) {
        for (TextBox* box : {&txtBallSet, &txtDrawDate, &txtMachine, &txtDrawNumber}) {
            box->text.clear();
        }
    }
    const std::string tail = " - " + m_state.CurrentGame + " Draw";
    switch (mode) {
    case Mode::Draw:
        caption = "Quintara - Draw Mode" + tail;
        break;
    case Mode::Pick:
        caption =
            (m_state.PersonalPicksActive ? "Quintara - Pick Mode - Personal Picks" : "Quintara - Pick Mode") +
            tail;
        break;
    case Mode::SavedLines:
        caption = "Quintara - View Saved Lines Mode" + tail;
        break;
    case Mode::PersonalPicks:
        caption = "Quintara - Personal Picks Mode" + tail;
        break;
    case Mode::WinningLines:
        // Winning lines keep the caption of the lines they were checked from.
        break;
    }
}

void frmQuintara::ShowDraw() {
    const Game game = m_state.CurrentGameId();
    try {
        WithDrawRecord(game, [&](auto tag) {
            using Rec = typename decltype(tag)::type;
            const Rec& draw = m_state.Draws<Rec>()[static_cast<std::size_t>(m_state.CurrentDraw)];
            const DrawView view = ViewOf(draw);
            txtDrawDate.text = FormatDate(view.date);
            std::array<Label*, 5> firstFive{&lblDrawBall1, &lblDrawBall2, &lblDrawBall3, &lblDrawBall4,
                                            &lblDrawBall5};
            for (std::size_t i = 0; i < firstFive.size(); ++i) {
                firstFive[i]->caption = std::to_string(view.balls[i]);
            }
            if (view.balls.size() >= 6) {
                lblDrawBall6.caption = std::to_string(view.balls[5]);
            }
            if (view.balls.size() >= 7) {
                lblDrawBallBonus.caption = std::to_string(view.balls[6]);
            } else {
                lblDrawBallBonus.caption = view.extra ? std::to_string(*view.extra) : std::string();
            }
            txtBallSet.text = view.ballSet;
            txtMachine.text = view.machine;
        });
        txtDrawNumber.text = std::to_string(m_state.LastDraw + 1 - m_state.CurrentDraw);
    } catch (const IndexError&) {
        // No such draw: the fields keep what they showed.
    }
}

void frmQuintara::ShowLineNumber() {
    txtBallSet.text.clear();
    txtMachine.text.clear();
    txtDrawDate.text.clear();
    txtDrawNumber.text.clear();
    lblDrawLineNumber.visible = lblDrawLineNumberNumber.visible = true;
    lblDrawLineNumberNumber.caption = std::to_string(m_app.session.CurrentLine);
}

void frmQuintara::ShowLine() {
    try {
        const LottoDrawRec& line = m_state.PickedLines[static_cast<std::size_t>(m_app.session.CurrentLine)];
        std::array<Label*, 6> balls{&lblDrawBall1, &lblDrawBall2, &lblDrawBall3,
                                    &lblDrawBall4, &lblDrawBall5, &lblDrawBall6};
        for (std::size_t i = 0; i < balls.size(); ++i) {
            balls[i]->caption = std::to_string(line.Balls[i]);
        }
        lblDrawBallBonus.caption =
            Info(m_state.CurrentGameId()).extraStatistics ? std::to_string(line.Balls[5]) : std::string();
        ShowLineNumber();
    } catch (const IndexError&) {
        // No such line: nothing changes.
    }
}

void frmQuintara::ShowDailyPlayLine() {
    try {
        const DailyPlayDrawRec& line =
            m_state.DailyPlayPickedLines[static_cast<std::size_t>(m_app.session.CurrentLine)];
        std::array<Label*, 7> balls{&lblDrawBall1, &lblDrawBall2, &lblDrawBall3,    &lblDrawBall4,
                                    &lblDrawBall5, &lblDrawBall6, &lblDrawBallBonus};
        for (std::size_t i = 0; i < balls.size(); ++i) {
            balls[i]->caption = std::to_string(line.Balls[i]);
        }
        PlaceExtraBall(Game::DailyPlay);
        ShowExtraBall(true);
        ShowLineNumber();
    } catch (const IndexError&) {
        // No such line: nothing changes.
    }
}

bool frmQuintara::LoadHistory() {
    BusyPointer busy(m_app.desktop);
    const Game game = m_state.CurrentGameId();
    const Checked loaded = LoadCurrentHistory(m_state, m_app.appDir);
    if (!loaded) {
        ShowNoDraws();
        busy.Restore();
        const RefusalCause cause = loaded.error().cause;
        if (cause == RefusalCause::Missing || cause == RefusalCause::Empty) {
            // A game not yet started is no error: say how to get its draws instead of blaming a file.
            m_app.desktop.MsgBox(NoDrawsMessage(game), kNoDrawsTitle);
        } else {
            ShowRefusal(m_app.desktop, HistoryLoadFailure(game));
        }
        return false;
    }
    txtNumberOfDraws.text = std::to_string(m_state.LastDraw);
    FillStatisticsBoxes();
    m_state.CurrentDraw = 1;
    ShowDraw();
    return true;
}

void frmQuintara::ShowNoDraws() {
    ForgetHistory(m_state);
    ClearBalls();
    for (TextBox* box : {&txtDrawDate, &txtDrawNumber, &txtBallSet, &txtMachine}) {
        box->text.clear();
    }
    txtNumberOfDraws.text = "0";
    cmbSorted.Clear();
    cmbThunderballSorted.Clear();
}

void frmQuintara::FillStatisticsBoxes() {
    if (Info(m_state.CurrentGameId()).extraStatistics) {
        cmbThunderballSorted.Clear();
        for (const auto& item : FrequencyItems(m_state.ThunderballFrequency)) {
            cmbThunderballSorted.AddItem(item);
        }
        cmbThunderballSorted.SetListIndex(0);
    }
    cmbSorted.Clear();
    for (const auto& item : FrequencyItems(m_state.BallFrequency)) {
        cmbSorted.AddItem(item);
    }
    cmbSorted.SetListIndex(0);
}

void frmQuintara::FillAlgorithms() {
    cmbAlgorithms.Clear();
    for (const auto item : AlgorithmItems(m_state.CurrentGameId())) {
        cmbAlgorithms.AddItem(std::string(item));
    }
    cmbAlgorithms.SetListIndex(0);
}

void frmQuintara::SetLineMenus(bool enabled) {
    for (MenuItem* item :
         {&mnuFileSave, &mnuPrint, &mnuCheckNumbers, &mnuListsPickedNumbers, &mnuShowPickedNumbers}) {
        item->enabled = enabled;
    }
}

int frmQuintara::LineCount() const {
    return static_cast<int>(Info(m_state.CurrentGameId()).sevenBallLines ? m_state.DailyPlayPickedLines.Size()
                                                                         : m_state.PickedLines.Size());
}

void frmQuintara::ShowCurrentLine() {
    if (Info(m_state.CurrentGameId()).sevenBallLines) {
        ShowDailyPlayLine();
    } else {
        ShowLine();
    }
}

void frmQuintara::LoadWheel(const std::filesystem::path& path) {
    m_pick.LoadWheel(path);
}

void frmQuintara::ImportWheelFile(const std::filesystem::path& path) {
    m_pick.ImportWheelFile(path);
}

bool frmQuintara::LoadLinesFile(const std::filesystem::path& path) {
    return m_lines.LoadLinesFile(path).has_value();
}

void frmQuintara::OpenLinesFile(const std::filesystem::path& path) {
    if (!m_lines.OpenLinesFileOfItsGame(path.string())) {
        m_app.desktop.MsgBox(std::string(kRecentFileMissingText) + "\r\n" + path.string(),
                             kRecentFileMissingTitle);
    }
}

void frmQuintara::EnterPersonalPicksMode() {
    m_pick.EnterPersonalPicksMode();
}

void frmQuintara::SetPrintListing(std::string text) {
    txtPrint.text = text;
    m_app.session.PrintListing = std::move(text);
}

void frmQuintara::ClearBalls() {
    for (Label* ball : {&lblDrawBall1, &lblDrawBall2, &lblDrawBall3, &lblDrawBall4, &lblDrawBall5,
                        &lblDrawBall6, &lblDrawBallBonus}) {
        ball->caption.clear();
    }
}

void frmQuintara::SetLineNumberCaption(std::string text) {
    lblDrawLineNumberNumber.caption = std::move(text);
}

void frmQuintara::SetOccurrenceCaption(std::string text) {
    lblViewOccurances.caption = std::move(text);
}

void frmQuintara::ShowOccurrenceWalk() {
    lblViewOccurances.visible = true;
    for (CommandButton* button :
         {&cmdFirstOccurance, &cmdPreviousOccurance, &cmdNextOccurance, &cmdLastOccurance}) {
        button->visible = true;
    }
}

void frmQuintara::SelectBallFrequency(int position) {
    cmbSorted.SetListIndex(position);
}

void frmQuintara::SetAlgorithmList(const std::vector<std::string>& items) {
    cmbAlgorithms.Clear();
    for (const auto& item : items) {
        cmbAlgorithms.AddItem(item);
    }
}

void frmQuintara::SetWheelList(const std::vector<std::string>& items) {
    cmbWheels.Clear();
    for (const auto& item : items) {
        cmbWheels.AddItem(item);
    }
}

void frmQuintara::EnableGeneratorBoxes(bool enabled) {
    cmbAlgorithms.enabled = cmbWheels.enabled = enabled;
}

void frmQuintara::EnableLoadedLinesMenus() {
    for (MenuItem* item : {&mnuFileSave, &mnuPrint, &mnuCheckNumbers}) {
        item->enabled = true;
    }
}

void frmQuintara::ShowRecentFiles(const std::vector<std::string>& captions, bool shown) {
    mnuFileHyphen3.visible = shown;
    for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
        MenuItem& item = mnuFileRecent.Exists(k) ? mnuFileRecent[k] : mnuFileRecent.Load(k);
        item.caption = captions[static_cast<std::size_t>(k)];
        item.literalCaption = true;
        item.visible = true;
    }
}

void frmQuintara::mnuPrint_Click() {
    if (m_app.session.PrintListing.empty()) {
        m_app.desktop.MsgBox("You must pick numbers or load saved numbers before you can print them!",
                             "Pick Numbers", MsgBoxIcon::Exclamation);
        return;
    }
    PrintTextBlock(m_app.desktop, m_app.session.PrintListing);
}

void frmQuintara::mnuFileExit_Click() {
    m_app.forms.UnloadAll();
}

}  // namespace quintara::ui
