#include "ui/frmQuintara.h"

#include <algorithm>
#include <array>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/Files.h"
#include "core/History.h"
#include "core/Product.h"
#include "core/TextRules.h"
#include "generate/Catalogue.h"
#include "generate/Generator.h"
#include "generate/Listing.h"
#include "generate/WheelFile.h"
#include "ui/frmAbout.h"
#include "ui/frmMostLikely7Numbers.h"
#include "ui/frmMostLikelyNumbers.h"
#include "ui/frmNumberOfPersonalPicks.h"
#include "ui/frmPickedNumbers.h"
#include "ui/frmSplash.h"
#include "ui/frmViewPersonalPicks.h"

namespace quintara::ui {

namespace {

constexpr std::string_view kNoMatch = "No match was found!";
constexpr std::string_view kBadEntry = "Incorrect Data entered. Please try again!";
constexpr std::string_view kNotAvailable = "This Option is not available for this Algorithm";
// A window without a title of its own is captioned with the program's name.
constexpr std::string_view kUntitled = "Quintara";

// Where the extra-ball heading, number and picture stand for a game.
struct ExtraBallLayout {
    bool shown;
    std::string_view caption;
    int headingLeft;
    int numberLeft;
    int pictureLeft;
};

ExtraBallLayout ExtraLayout(Game game) {
    switch (game) {
    case Game::Lotto:
        return {true, "Bonus Ball", 5480, 5740, 5520};
    case Game::LottoExtra:
        return {false, "", 5480, 5740, 5520};
    case Game::Thunderball:
        return {true, "Thunderball", 5440, 5740, 5520};
    case Game::DailyPlay:
        break;
    }
    return {true, "Ball 7", 5270, 5370, 5160};
}

}  // namespace

frmQuintara::frmQuintara(App& app)
    : Form("frmQuintara", "Quintara - Draw Mode - Lotto Draw"), m_app(app), m_state(app.state) {
    width = kWidth;
    height = kHeight;

    for (Label* ball : {&lblDrawBall1, &lblDrawBall2, &lblDrawBall3, &lblDrawBall4, &lblDrawBall5,
                        &lblDrawBall6, &lblDrawBallBonus}) {
        ball->alignment = Alignment::Center;
        ball->font.size = 12;
        ball->font.bold = true;
    }
    for (Image* picture : {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7}) {
        picture->picture = m_app.AppFile(picture->picture).string();
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
    lblWebAddress.caption = std::string(kProductWebAddress);
    lblWebAddress.foreColor = 0x0000CC;
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
        if (m_app.saveRecentFiles) {
            m_app.saveRecentFiles();
        }
        // Closing the main window ends the program, whatever other windows are open.
        m_app.forms.UnloadAll();
    };

    cmbAlgorithms.onClick = [this] { cmbAlgorithms_Click(); };
    cmbAlgorithms.onChange = [this] {
        cmbAlgorithms.SetListIndex(0);
        m_app.desktop.MsgBox("Please ensure you select an Algorithm from List!", "No Algorithm Selected");
    };
    cmbWheels.onClick = [this] { cmbWheels_Click(); };
    cmbWheels.onChange = [this] {
        cmbWheels.SetListIndex(0);
        m_app.desktop.MsgBox("Please ensure you select Wheel from List!", "No Wheel Selected");
    };

    cmdBOF.onClick = [this] { cmdBOF_Click(); };
    cmdBack.onClick = [this] { cmdBack_Click(); };
    cmdNext.onClick = [this] { cmdNext_Click(); };
    cmdEOF.onClick = [this] { cmdEOF_Click(); };
    cmdFirstOccurance.onClick = [this] { WalkOccurrences(Step::First); };
    cmdPreviousOccurance.onClick = [this] { WalkOccurrences(Step::Previous); };
    cmdNextOccurance.onClick = [this] { WalkOccurrences(Step::Next); };
    cmdLastOccurance.onClick = [this] { WalkOccurrences(Step::Last); };
    cmdNumberSearch.onClick = [this] { cmdNumberSearch_Click(); };
    cmdDateSearch.onClick = [this] { cmdDateSearch_Click(); };

    mnuDrawLotto.onClick = [this] { LoadDrawLotto(); };
    mnuDrawLottoExtra.onClick = [this] { LoadDrawLottoExtra(); };
    mnuDrawThunderball.onClick = [this] { LoadDrawThunderball(); };
    mnuDrawDailyPlay.onClick = [this] { LoadDrawDailyPlay(); };
    mnuShowDraws.onClick = [this] { ShowDraws(); };
    mnuPick6.onClick = [this] { mnuPick6_Click(); };
    mnuPickPersonal.onClick = [this] {
        auto& count = m_app.forms.Get<frmNumberOfPersonalPicks>(m_app);
        count.Show(ShowMode::Modal);
    };
    mnuShowPickedNumbers.onClick = [this] { mnuShowPickedNumbers_Click(); };
    mnuListsPickedNumbers.onClick = [this] { m_app.forms.Get<frmPickedNumbers>(m_app).Show(); };
    mnuFileImportWheel.onClick = [this] { mnuFileImportWheel_Click(); };
    mnuShowMostLikelyNumbers.onClick = [this] { mnuShowMostLikelyNumbers_Click(); };
    mnuShowPersonalPicks.onClick = [this] { mnuShowPersonalPicks_Click(); };
    mnuPrint.onClick = [this] { mnuPrint_Click(); };
    mnuFileExit.onClick = [this] { mnuFileExit_Click(); };
    mnuHelpContents.onClick = [this] { mnuHelpContents_Click(); };
    mnuHelpAbout.onClick = [this] { mnuHelpAbout_Click(); };
    mnuHelpVisitHomePage.onClick = [this] { OpenWebPage(kProductWebAddress); };
    lblWebAddress.onClick = [this] { OpenWebPage(kProductWebAddress); };
    mnuUpdateGetHistoryFiles.onClick = [this] { OpenWebPage(kSupportPageAddress); };
    mnuUpdateGetDefaultWheels.onClick = [this] { OpenWebPage(kSupportPageAddress); };
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
    m_state.CurrentGame = GameName(Game::Lotto);
    try {
        helpFile = m_app.AppFile("\\Quintara.html");
        LoadWheel(m_app.AppFile("\\5 Line Wheel - 1 Number from 28_Lotto.txt"));
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
    const bool thunderball = game == Game::Thunderball;
    for (MenuItem* item :
         {&mnuThunderballFrequencyBarChart, &mnuThunderballLastDrawnBarChart, &mnuThunderballAveragesBarChart,
          &mnuListsThunderballLastDrawn, &mnuListsThunderballAverages, &mnuSimulateThunderballFinalNumbers}) {
        item->enabled = thunderball;
    }
    m_state.CurrentGame = GameName(game);
    ShowDraws();
    FillAlgorithms();
    mnuDrawLotto.checked = game == Game::Lotto;
    mnuDrawLottoExtra.checked = game == Game::LottoExtra;
    mnuDrawThunderball.checked = game == Game::Thunderball;
    mnuDrawDailyPlay.checked = game == Game::DailyPlay;
    SetGameLayout(game);
    lblDrawBallBonus.caption.clear();
    lblDrawBall6.caption.clear();
    if (!LoadHistory()) {
        return;
    }
    caption = "Quintara - Draw Mode - " + m_state.CurrentGame + " Draw";
    m_state.PersonalNumbers.Clear();
    // A custom wheel belongs to the personal numbers of the game it was imported for.
    m_savedWheelCaption.clear();
    m_savedWheelLines.Clear();
    mnuShowPersonalPicks.enabled = false;
    mnuPick6.enabled = true;
    SetLineMenus(false);
}

void frmQuintara::PlaceExtraBall(Game game) {
    const ExtraBallLayout extra = ExtraLayout(game);
    lblBonusBall.caption = std::string(extra.caption);
    lblBonusBall.left = extra.headingLeft;
    lblDrawBallBonus.left = extra.numberLeft;
    Image1.left = extra.pictureLeft;
    // Daily Play's seventh ball is a main ball and looks like one.
    Image1.picture = m_app.AppFile(game == Game::DailyPlay ? "ball.png" : "bonusball.png").string();
}

void frmQuintara::SetGameLayout(Game game) {
    const ExtraBallLayout extra = ExtraLayout(game);
    lblBonusBall.visible = lblDrawBallBonus.visible = Image1.visible = extra.shown;
    if (extra.shown) {
        PlaceExtraBall(game);
    }
    const bool ballSix = game != Game::Thunderball;
    lblBall6.visible = lblDrawBall6.visible = Image2.visible = ballSix;
    cmbThunderballSorted.visible = lblOccurancesOfThunderball.visible = game == Game::Thunderball;
}

void frmQuintara::ShowDraws() {
    // The algorithm list is about to replace the custom wheel: View Personal Picks brings it back.
    if (m_state.PersonalPicksActive && cmbWheels.Text() != kLoadCustomWheelItem) {
        m_savedWheelCaption = cmbWheels.Text();
        m_savedWheelLines = m_state.WheelLines;
    }
    m_state.PersonalPicksActive = false;
    mnuShowMostLikelyNumbers.enabled = true;
    FillAlgorithms();
    if (m_state.CurrentGameId() != Game::LottoExtra) {
        lblBonusBall.visible = lblDrawBallBonus.visible = Image1.visible = true;
    }
    lblDrawLineNumber.visible = lblDrawLineNumberNumber.visible = false;
    m_state.OccurrenceDraws.Clear();
    m_state.LinesMode = false;
    m_state.WinningLinesMode = false;
    m_state.CurrentDraw = 1;
    ShowDraw();
    lblViewOccurances.caption.clear();
    for (CommandButton* button :
         {&cmdFirstOccurance, &cmdPreviousOccurance, &cmdNextOccurance, &cmdLastOccurance}) {
        button->visible = false;
    }
    lblViewOccurances.visible = false;
    for (CommandButton* button : {&cmdBOF, &cmdNext, &cmdBack, &cmdEOF, &cmdNumberSearch, &cmdDateSearch}) {
        button->visible = true;
    }
    caption = "Quintara - Draw Mode - " + m_state.CurrentGame + " Draw";
    SetLineMenus(m_state.LinesAvailable);
    mnuPick6.enabled = true;
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
            if (game != Game::Thunderball) {
                lblDrawBall6.caption = std::to_string(view.balls[5]);
            }
            if (game == Game::DailyPlay) {
                lblDrawBallBonus.caption = std::to_string(view.balls[6]);
            } else {
                lblDrawBallBonus.caption = view.extra ? std::to_string(*view.extra) : std::string();
            }
            txtBallSet.text = view.ballSet;
            txtMachine.text = view.machine;
        });
        txtDrawNumber.text = std::to_string(m_state.LastDraw + 1 - m_state.CurrentDraw);
    } catch (const std::exception&) {
        // No such draw: the fields keep what they showed.
    }
}

void frmQuintara::ShowLineNumber() {
    txtBallSet.text.clear();
    txtMachine.text.clear();
    txtDrawDate.text.clear();
    txtDrawNumber.text.clear();
    lblDrawLineNumber.visible = lblDrawLineNumberNumber.visible = true;
    lblDrawLineNumberNumber.caption = std::to_string(m_state.CurrentLine);
}

void frmQuintara::ShowLine() {
    try {
        const LottoDrawRec& line = m_state.PickedLines[static_cast<std::size_t>(m_state.CurrentLine)];
        std::array<Label*, 6> balls{&lblDrawBall1, &lblDrawBall2, &lblDrawBall3,
                                    &lblDrawBall4, &lblDrawBall5, &lblDrawBall6};
        for (std::size_t i = 0; i < balls.size(); ++i) {
            balls[i]->caption = std::to_string(line.Balls[i]);
        }
        lblDrawBallBonus.caption =
            m_state.CurrentGameId() == Game::Thunderball ? std::to_string(line.Balls[5]) : std::string();
        ShowLineNumber();
    } catch (const std::exception&) {
        // No such line: nothing changes.
    }
}

void frmQuintara::ShowDailyPlayLine() {
    try {
        const DailyPlayDrawRec& line =
            m_state.DailyPlayPickedLines[static_cast<std::size_t>(m_state.CurrentLine)];
        std::array<Label*, 7> balls{&lblDrawBall1, &lblDrawBall2, &lblDrawBall3,    &lblDrawBall4,
                                    &lblDrawBall5, &lblDrawBall6, &lblDrawBallBonus};
        for (std::size_t i = 0; i < balls.size(); ++i) {
            balls[i]->caption = std::to_string(line.Balls[i]);
        }
        PlaceExtraBall(Game::DailyPlay);
        lblBonusBall.visible = lblDrawBallBonus.visible = Image1.visible = true;
        ShowLineNumber();
    } catch (const std::exception&) {
        // No such line: nothing changes.
    }
}

bool frmQuintara::LoadHistory() {
    BusyPointer busy(m_app.desktop);
    const Game game = m_state.CurrentGameId();
    if (!quintara::LoadHistory(m_state, m_app.appDir)) {
        busy.Restore();
        const LoadFailureMessage message = HistoryLoadFailure(game);
        m_app.desktop.MsgBox(message.text, message.title);
        return false;
    }
    txtNumberOfDraws.text = std::to_string(m_state.LastDraw);
    FillStatisticsBoxes();
    m_state.CurrentDraw = 1;
    ShowDraw();
    return true;
}

void frmQuintara::FillStatisticsBoxes() {
    if (m_state.CurrentGameId() == Game::Thunderball) {
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

void frmQuintara::cmbAlgorithms_Click() {
    mnuShowMostLikelyNumbers.enabled = true;
    const int index = cmbAlgorithms.ListIndex();
    if (index < 0) {
        return;
    }
    const Game game = m_state.CurrentGameId();
    const auto wheels = WheelItems(game, index);
    if (wheels.empty()) {
        return;
    }
    cmbWheels.Clear();
    for (const auto item : wheels) {
        cmbWheels.AddItem(std::string(item));
    }
    if ((game == Game::Lotto || game == Game::LottoExtra) && cmbAlgorithms.Text() == kFortyNineAlgorithm) {
        mnuShowMostLikelyNumbers.enabled = false;
    }
    cmbWheels.SetListIndex(0);
}

void frmQuintara::cmbWheels_Click() {
    const auto file = WheelFileName(m_state.CurrentGameId(), cmbWheels.Text());
    LoadWheel(file ? m_app.AppFile(*file) : std::filesystem::path());
}

void frmQuintara::LoadWheel(const std::filesystem::path& path) {
    BusyPointer busy(m_app.desktop);
    const Game game = m_state.CurrentGameId();
    WheelRead read;
    if (!path.empty()) {
        read = ReadWheelFile(path, game, WheelSource::BuiltIn);
        if (!read.Ok()) {
            if (read.refusal->problem == WheelProblem::FieldCount ||
                read.refusal->problem == WheelProblem::NoLines) {
                m_state.WheelLines = m_state.WheelBackup;
            }
            busy.Restore();
            m_app.desktop.MsgBox(read.refusal->text, read.refusal->title);
            return;
        }
    }
    // Without a file the loaded wheel stays, and it was checked when it came in: a built-in wheel against
    // the game's range, an imported wheel over personal numbers against their count, which may be larger.
    const int highest = path.empty() ? std::max(Info(game).numbersChosen,
                                                ImportHighestPointer(game, m_state.PersonalPicksActive,
                                                                     m_state.PersonalNumbers.Size()))
                                     : Info(game).numbersChosen;
    const auto refusal = CheckWheelPointers(path.empty() ? m_state.WheelLines : read.lines, game, highest,
                                            WheelSource::BuiltIn);
    if (refusal && refusal->problem == WheelProblem::NotANumber) {
        // A damaged wheel file is a wheel that could not be loaded; the one loaded before stays.
        busy.Restore();
        m_app.desktop.MsgBox(kDefaultWheelNotLoaded.text, kDefaultWheelNotLoaded.title);
        return;
    }
    if (!path.empty()) {
        m_state.WheelLines = std::move(read.lines);
    }
    if (refusal) {
        busy.Restore();
        m_app.desktop.MsgBox(refusal->text, refusal->title);
    }
    if (m_app.addRecentFile) {
        m_app.addRecentFile(path.string());
    }
}

void frmQuintara::mnuFileImportWheel_Click() {
    if (!BeginImport()) {
        return;
    }
    const std::string path = m_app.desktop.FileOpenDialog(kWheelFileFilter, "");
    if (path.empty()) {
        // Cancelling the dialog is one of the import's failures.
        m_app.desktop.MsgBox(kImportCancelled.text, kImportCancelled.title);
        return;
    }
    ImportWheel(path, false);
}

void frmQuintara::ImportWheelFile(const std::filesystem::path& path) {
    if (BeginImport()) {
        ImportWheel(path, true);
    }
}

bool frmQuintara::BeginImport() {
    m_state.WheelBackup = m_state.WheelLines;
    const Game game = m_state.CurrentGameId();
    if ((game == Game::Lotto || game == Game::LottoExtra) && cmbAlgorithms.ListIndex() >= 1) {
        m_app.desktop.MsgBox(kImportNotAvailable, kUntitled);
        return false;
    }
    return true;
}

void frmQuintara::ImportWheel(const std::filesystem::path& path, bool builtInRangeMessages) {
    const Game game = m_state.CurrentGameId();
    try {
        BusyPointer busy(m_app.desktop);
        WheelRead read = ReadWheelFile(path, game, WheelSource::Import);
        std::optional<WheelRefusal> refusal = read.refusal;
        if (!refusal) {
            const int highest =
                ImportHighestPointer(game, m_state.PersonalPicksActive, m_state.PersonalNumbers.Size());
            refusal = CheckWheelPointers(read.lines, game, highest,
                                         builtInRangeMessages ? WheelSource::BuiltIn : WheelSource::Import);
        }
        if (refusal) {
            // A refused file leaves the wheel the box names.
            m_state.WheelLines = m_state.WheelBackup;
            busy.Restore();
            if (refusal->problem == WheelProblem::NotANumber) {
                m_app.desktop.MsgBox(kImportCancelled.text, kImportCancelled.title);
            } else {
                m_app.desktop.MsgBox(refusal->text, refusal->title);
            }
            return;
        }
        const std::size_t lineCount = read.lines.Size();
        m_state.WheelLines = std::move(read.lines);
        PlaceCustomWheel(CustomWheelItem(lineCount));
        // Personal picks wait for a wheel of their own before they can be picked.
        mnuPick6.enabled = true;
        if (m_app.addRecentFile) {
            m_app.addRecentFile(path.string());
        }
    } catch (const std::exception&) {
        m_app.desktop.MsgBox(kImportCancelled.text, kImportCancelled.title);
    }
}

void frmQuintara::PlaceCustomWheel(const std::string& item) {
    // Where the CUSTOM item goes: the last place before the game's longest built-in wheels.
    std::size_t fullList = 9;
    std::size_t position = 8;
    if (m_state.CurrentGameId() == Game::Thunderball) {
        fullList = 3;
        position = 2;
    } else if (m_state.CurrentGameId() == Game::DailyPlay) {
        fullList = 4;
        position = 3;
    }
    std::vector<std::string> items = cmbWheels.Items();
    if (items.size() == fullList) {
        items[position] = item;
    } else if (items.size() == 1) {
        items[0] = item;
        position = 0;
    } else {
        position = std::min(position, items.size());
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(position), item);
    }
    cmbWheels.Clear();
    for (auto& entry : items) {
        cmbWheels.AddItem(std::move(entry));
    }
    cmbWheels.SetListIndex(static_cast<int>(position));
}

void frmQuintara::GenerateNumbers(double today) {
    GeneratorRequest request;
    request.game = m_state.CurrentGameId();
    request.algorithm = cmbAlgorithms.Text();
    request.GeneratorMode = m_state.GeneratorMode;
    request.PersonalPicksActive = m_state.PersonalPicksActive;
    request.PersonalNumbers = m_state.PersonalNumbers;
    request.today = today;
    GeneratorResult result =
        quintara::GenerateNumbers(request, m_state.Statistics(), m_state.WheelLines, m_state.LottoDraws);
    m_state.FinalNumbers = std::move(result.FinalNumbers);
    if (result.SevenNumbers) {
        m_state.SevenNumbers = std::move(*result.SevenNumbers);
    }
    m_state.PickedLines = std::move(result.PickedLines);
    m_state.DailyPlayPickedLines = std::move(result.DailyPlayPickedLines);
    m_state.LinesMode = true;
    m_state.LinesGeneratedDate = result.LinesGeneratedDate;
}

void frmQuintara::mnuPick6_Click() {
    lblBonusBall.visible = lblDrawBallBonus.visible = Image1.visible = false;
    const bool personalPicksBox = cmbAlgorithms.Text() == kPersonalPicksItem;
    if (personalPicksBox && cmbWheels.Text() == kLoadCustomWheelItem) {
        m_app.desktop.MsgBox("Please Load a Wheel to continue", "No Wheel Loaded");
        return;
    }
    if (!personalPicksBox) {
        m_state.PersonalPicksActive = false;
    }
    try {
        BusyPointer busy(m_app.desktop);
        const double today = m_app.Today();
        m_state.GeneratorMode = static_cast<std::int16_t>(cmbAlgorithms.ListIndex());
        m_state.WheelIndex = static_cast<std::int16_t>(cmbWheels.ListIndex());
        GenerateNumbers(today);
        // Only now: a run that fails leaves the lines, and so their listing, as they were.
        txtPrint.text.clear();
        m_state.CurrentLine = 1;
        ShowCurrentLine();
        lblViewOccurances.caption = "View all " + SignBlank(LineCount()) + " lines generated.";

        const auto listing = m_app.AppFile(kPrintTempFile);
        WriteFileAtomically(listing, PickedLinesListing(m_state.CurrentGameId(), m_state.PickedLines,
                                                        m_state.DailyPlayPickedLines, today))
            .Value();
        txtPrint.text = ReadWholeFile(listing).Value();

        ShowPickMode();
        busy.Restore();
        m_app.desktop.Beep();
        SetLineMenus(true);
        if (m_state.PersonalPicksActive && personalPicksBox) {
            m_state.LinesFromPersonalPicks = true;
            m_state.LinesAvailable = false;
        } else if (!m_state.PersonalPicksActive) {
            m_state.LinesFromPersonalPicks = false;
            m_state.LinesAvailable = true;
        }
    } catch (const std::exception&) {
        cmbWheels.SetListIndex(0);
        cmbAlgorithms.SetListIndex(0);
        m_app.desktop.MsgBox("Please ensure you choose a selection from List", "Error");
    }
}

void frmQuintara::mnuShowPickedNumbers_Click() {
    m_state.LinesMode = true;
    m_state.CurrentLine = 1;
    // Hidden before the line is shown, so that a Daily Play line keeps its seventh number in view.
    lblBonusBall.visible = lblDrawBallBonus.visible = Image1.visible = false;
    ShowCurrentLine();
    lblViewOccurances.caption = "View all " + SignBlank(LineCount()) + " lines generated.";
    ShowPickMode();
    SetLineMenus(true);
}

void frmQuintara::ShowPickMode() {
    lblViewOccurances.visible = true;
    for (CommandButton* button :
         {&cmdFirstOccurance, &cmdNextOccurance, &cmdPreviousOccurance, &cmdLastOccurance}) {
        button->visible = true;
    }
    for (CommandButton* button : {&cmdBOF, &cmdNext, &cmdBack, &cmdEOF, &cmdNumberSearch, &cmdDateSearch}) {
        button->visible = false;
    }
    caption = std::string(m_state.PersonalPicksActive ? "Quintara - Pick Mode - Personal Picks - "
                                                      : "Quintara - Pick Mode - ") +
              m_state.CurrentGame + " Draw";
    lblDrawLineNumber.visible = true;
    lblDrawLineNumberNumber.caption = std::to_string(m_state.CurrentLine);
    lblDrawLineNumberNumber.visible = true;
}

namespace {

// Opens a picks view: made and filled on first use, brought forward when open. A view whose filling
// failed has closed itself and is not shown.
template <class View>
void OpenView(App& app) {
    FormManager::ReactionScope keepAlive(&app.forms);
    auto& view = app.forms.Get<View>(app);
    if (view.Loaded()) {
        view.Show();
    }
}

}  // namespace

void frmQuintara::mnuShowMostLikelyNumbers_Click() {
    // The views show the algorithm's own numbers, whatever the personal picks.
    const bool personalPicks = m_state.PersonalPicksActive;
    m_state.PersonalPicksActive = false;
    const std::string algorithm = cmbAlgorithms.Text();
    if (algorithm == kFortyNineAlgorithm) {
        m_app.desktop.MsgBox(kNotAvailable, "Not Available");
    } else {
        try {
            if (algorithm == kSevenNumbersAlgorithm) {
                m_state.GeneratorMode = kSevenNumbersMode;
                OpenView<frmMostLikely7Numbers>(m_app);
            } else {
                m_state.GeneratorMode = 1;
                OpenView<frmMostLikelyNumbers>(m_app);
            }
        } catch (const std::exception&) {
            // A view that cannot be made ends the command without a word.
        }
        m_state.GeneratorMode = 1;
    }
    m_state.PersonalPicksActive = personalPicks;
}

void frmQuintara::EnterPersonalPicksMode() {
    m_state.PersonalPicksActive = true;
    PersonalPicksCaption();
    SelectOnlyItem(cmbAlgorithms, std::string(kPersonalPicksItem));
    SelectOnlyItem(cmbWheels, std::string(kLoadCustomWheelItem));
    HideDrawBrowsing();
    mnuShowPersonalPicks.enabled = true;
    mnuPick6.enabled = false;
    SetLineMenus(false);
}

void frmQuintara::mnuShowPersonalPicks_Click() {
    m_state.PersonalPicksActive = true;
    PersonalPicksCaption();
    // Selecting the algorithm item loads the game's first wheel, so the saved lines go back after it.
    SelectOnlyItem(cmbAlgorithms, std::string(kPersonalPicksItem));
    const Game game = m_state.CurrentGameId();
    const bool fits = !m_savedWheelCaption.empty() &&
                      !CheckWheelPointers(m_savedWheelLines, game,
                                          ImportHighestPointer(game, true, m_state.PersonalNumbers.Size()),
                                          WheelSource::Import);
    if (fits) {
        // Selected first: its reaction checks the wheel then loaded against the game's own range, which
        // the saved wheel may outrun when the personal numbers do.
        SelectOnlyItem(cmbWheels, m_savedWheelCaption);
        m_state.WheelLines = m_savedWheelLines;
    } else {
        // Without a saved wheel, or with one whose pointers outrun the personal numbers entered since.
        SelectOnlyItem(cmbWheels, std::string(kLoadCustomWheelItem));
    }
    HideDrawBrowsing();
    mnuShowPersonalPicks.enabled = true;
    SetLineMenus(m_state.LinesFromPersonalPicks);
    mnuPick6.enabled = cmbWheels.Text() != kLoadCustomWheelItem;
    m_app.forms.Get<frmViewPersonalPicks>(m_app).Show();
}

void frmQuintara::PersonalPicksCaption() {
    caption = "Quintara - Personal Picks Mode - " + m_state.CurrentGame + " Draw";
}

void frmQuintara::SelectOnlyItem(ComboBox& box, const std::string& item) {
    box.Clear();
    box.AddItem(item);
    box.SetListIndex(0);
}

void frmQuintara::HideDrawBrowsing() {
    for (Element* hidden : std::initializer_list<Element*>{
             &lblViewOccurances, &cmdFirstOccurance, &cmdNextOccurance, &cmdPreviousOccurance,
             &cmdLastOccurance, &cmdBOF, &cmdNext, &cmdBack, &cmdEOF, &cmdNumberSearch, &cmdDateSearch}) {
        hidden->visible = false;
    }
    for (TextBox* box : {&txtBallSet, &txtDrawDate, &txtMachine, &txtDrawNumber}) {
        box->text.clear();
    }
}

void frmQuintara::SetLineMenus(bool enabled) {
    for (MenuItem* item :
         {&mnuFileSave, &mnuPrint, &mnuCheckNumbers, &mnuListsPickedNumbers, &mnuShowPickedNumbers}) {
        item->enabled = enabled;
    }
}

int frmQuintara::DrawCount() const {
    return WithDrawRecord(m_state.CurrentGameId(), [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        return static_cast<int>(m_state.Draws<Rec>().Size());
    });
}

int frmQuintara::LineCount() const {
    return static_cast<int>(m_state.CurrentGameId() == Game::DailyPlay ? m_state.DailyPlayPickedLines.Size()
                                                                       : m_state.PickedLines.Size());
}

void frmQuintara::ShowCurrentLine() {
    if (m_state.CurrentGameId() == Game::DailyPlay) {
        ShowDailyPlayLine();
    } else {
        ShowLine();
    }
}

void frmQuintara::cmdBOF_Click() {
    m_state.CurrentDraw = m_state.FirstDraw;
    ShowDraw();
}

void frmQuintara::cmdBack_Click() {
    if (m_state.CurrentDraw != m_state.FirstDraw) {
        --m_state.CurrentDraw;
    }
    ShowDraw();
}

void frmQuintara::cmdNext_Click() {
    if (m_state.CurrentDraw != m_state.LastDraw) {
        ++m_state.CurrentDraw;
    }
    ShowDraw();
}

void frmQuintara::cmdEOF_Click() {
    m_state.CurrentDraw = m_state.LastDraw;
    ShowDraw();
}

namespace {

// The new position of a walk over 1..last. Lines and winning lines run from 1 (first) to last; the
// matches of a number search run from last (the newest) down to 1 (the oldest). A step at its end stays.
int Moved(frmQuintara::Step step, int position, int last, bool newestIsLast) {
    const int first = newestIsLast ? last : 1;
    const int end = newestIsLast ? 1 : last;
    const int forward = newestIsLast ? -1 : 1;
    switch (step) {
    case frmQuintara::Step::First:
        return first;
    case frmQuintara::Step::Previous:
        return position != first ? position - forward : position;
    case frmQuintara::Step::Next:
        return position != end ? position + forward : position;
    case frmQuintara::Step::Last:
        break;
    }
    return end;
}

}  // namespace

void frmQuintara::WalkOccurrences(Step step) {
    try {
        if (m_state.LinesMode) {
            m_state.CurrentLine = Moved(step, m_state.CurrentLine, LineCount(), false);
            ShowCurrentLine();
        } else if (m_state.WinningLinesMode) {
            const int last = static_cast<int>(m_state.WinningLines.Size());
            m_state.WinningLinePosition =
                static_cast<std::int16_t>(Moved(step, m_state.WinningLinePosition, last, false));
            m_state.CurrentLine =
                m_state.WinningLines[static_cast<std::size_t>(m_state.WinningLinePosition)].LineIndex;
            ShowCurrentLine();
            lblDrawLineNumberNumber.caption = std::to_string(m_state.WinningLinePosition);
        } else {
            const int last = static_cast<int>(m_state.OccurrenceDraws.Size());
            m_state.OccurrencePosition =
                static_cast<std::int16_t>(Moved(step, m_state.OccurrencePosition, last, true));
            m_state.CurrentDraw =
                m_state.OccurrenceDraws[static_cast<std::size_t>(m_state.OccurrencePosition)];
            ShowDraw();
        }
    } catch (const std::exception&) {
        // An empty list: nothing to walk.
    }
}

void frmQuintara::cmdNumberSearch_Click() {
    m_state.LinesMode = false;
    const auto number = ToInteger(m_app.desktop.InputBox("Enter a Number to search for:", "Number Search"));
    if (!number) {
        m_app.desktop.MsgBox(kBadEntry, "Error");
        return;
    }
    const int walkFrom = std::min<int>(m_state.LastDraw, DrawCount());
    std::vector<std::int16_t> matches;
    WithDrawRecord(m_state.CurrentGameId(), [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto& draws = m_state.Draws<Rec>();
        for (int index = walkFrom; index >= 1; --index) {
            const CountedDraw counted = Counted(draws[static_cast<std::size_t>(index)]);
            if (std::find(counted.balls, counted.balls + counted.ballCount, *number) !=
                counted.balls + counted.ballCount) {
                matches.push_back(static_cast<std::int16_t>(index));
            }
        }
    });
    if (matches.empty()) {
        m_app.desktop.MsgBox(kNoMatch, "No match");
        return;
    }
    m_state.OccurrenceDraws = OneBased<std::int16_t>::FromVector(matches);
    m_state.OccurrencePosition = static_cast<std::int16_t>(matches.size());
    m_state.CurrentDraw = matches.back();
    ShowDraw();
    for (std::size_t i = 1; i <= m_state.BallFrequency.Size(); ++i) {
        if (m_state.BallFrequency[i].Ball == *number) {
            cmbSorted.SetListIndex(static_cast<int>(i) - 1);
            break;
        }
    }
    lblViewOccurances.caption = "View occurances of number " + std::to_string(*number);
    // Without these the matches could not be walked; View Draws hides them again.
    lblViewOccurances.visible = true;
    for (CommandButton* button :
         {&cmdFirstOccurance, &cmdPreviousOccurance, &cmdNextOccurance, &cmdLastOccurance}) {
        button->visible = true;
    }
    m_app.desktop.MsgBox("We have a match!", "Latest Number match");
}

void frmQuintara::cmdDateSearch_Click() {
    const auto date = ParseUserDate(
        m_app.desktop.InputBox("Enter a date to search for using format: dd/mm/yyyy", "Date Search"));
    if (!date) {
        m_app.desktop.MsgBox(kBadEntry, "Error");
        return;
    }
    const int count = std::min<int>(m_state.LastDraw, DrawCount());
    const bool found = WithDrawRecord(m_state.CurrentGameId(), [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto& draws = m_state.Draws<Rec>();
        for (int index = 1; index <= count; ++index) {
            if (draws[static_cast<std::size_t>(index)].DrawDate == *date) {
                m_state.CurrentDraw = index;
                return true;
            }
        }
        return false;
    });
    if (!found) {
        m_app.desktop.MsgBox(kNoMatch, "No match");
        return;
    }
    ShowDraw();
    m_app.desktop.MsgBox("We have a match!", "Date match");
}

void frmQuintara::mnuPrint_Click() {
    if (txtPrint.text.empty()) {
        m_app.desktop.MsgBox("You must pick numbers or load saved numbers before you can print them!",
                             "Pick Numbers", MsgBoxIcon::Exclamation);
        return;
    }
    PrintTextBlock(m_app.desktop, txtPrint.text);
}

void frmQuintara::mnuFileExit_Click() {
    m_app.forms.UnloadAll();
}

void frmQuintara::mnuHelpContents_Click() {
    if (!m_app.desktop.ShowHelp(helpFile.string())) {
        m_app.desktop.MsgBox("Unable to Load Help File. Please ensure it is in Application Directory",
                             "Unable to Load Help File");
    }
}

void frmQuintara::mnuHelpAbout_Click() {
    m_app.forms.Get<frmAbout>(m_app).Show(ShowMode::Modal);
}

void frmQuintara::OpenWebPage(std::string_view address) {
    m_app.desktop.ShellOpen(address);
}

}  // namespace quintara::ui
