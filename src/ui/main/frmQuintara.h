#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Games.h"
#include "core/OneBased.h"
#include "formkit/ControlArray.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"
#include "ui/check/CheckCommands.h"
#include "ui/history/UpdateCommands.h"
#include "ui/lines/LinesCommands.h"
#include "ui/main/BrowseCommands.h"
#include "ui/main/MainWindow.h"
#include "ui/picks/PickCommands.h"
#include "ui/simulate/SimulateCommands.h"
#include "ui/start/HelpCommands.h"
#include "ui/stats/StatsCommands.h"

namespace quintara::ui {

// The ball pictures of the main window, in the program's folder.
inline constexpr std::string_view kBallPicture = "ball.png";
inline constexpr std::string_view kBonusBallPicture = "bonusball.png";

// The main window: browsing draws and lines, the statistics boxes, the generator boxes and the menus
// of every command.
class frmQuintara : public Form, public MainWindow {
public:
    static constexpr int kWidth = 7695;
    static constexpr int kHeight = 7605;

    explicit frmQuintara(App& app);
    ~frmQuintara() override;

    // Draw fields.
    Label lblDrawDate{this, "lblDrawDate", "Draw Date", {240, 120, 1300, 240}};
    TextBox txtDrawDate{this, "txtDrawDate", "", {240, 360, 1300, 315}};
    Label lblDrawNumber{this, "lblDrawNumber", "Draw Number", {1740, 120, 1200, 240}};
    TextBox txtDrawNumber{this, "txtDrawNumber", "", {1740, 360, 1100, 315}};
    Label lblSet{this, "lblSet", "Ball Set", {3040, 120, 1000, 240}};
    TextBox txtBallSet{this, "txtBallSet", "", {3040, 360, 900, 315}};
    Label lblMachine{this, "lblMachine", "Machine", {4140, 120, 1600, 240}};
    TextBox txtMachine{this, "txtMachine", "", {4140, 360, 1600, 315}};

    // Ball pictures first, so the numbers are drawn over them. Image3..Image7 carry balls 1 to 5,
    // Image2 ball 6 and Image1 the extra ball.
    Image Image3{this, "Image3", std::string(kBallPicture), {440, 1200, 700, 700}};
    Image Image4{this, "Image4", std::string(kBallPicture), {1220, 1200, 700, 700}};
    Image Image5{this, "Image5", std::string(kBallPicture), {2000, 1200, 700, 700}};
    Image Image6{this, "Image6", std::string(kBallPicture), {2780, 1200, 700, 700}};
    Image Image7{this, "Image7", std::string(kBallPicture), {3560, 1200, 700, 700}};
    Image Image2{this, "Image2", std::string(kBallPicture), {4340, 1200, 700, 700}};
    Image Image1{this, "Image1", std::string(kBonusBallPicture), {5520, 1200, 700, 700}};
    Label lblBall1{this, "lblBall1", "Ball 1", {550, 900, 800, 240}};
    Label lblBall2{this, "lblBall2", "Ball 2", {1330, 900, 800, 240}};
    Label lblBall3{this, "lblBall3", "Ball 3", {2110, 900, 800, 240}};
    Label lblBall4{this, "lblBall4", "Ball 4", {2890, 900, 800, 240}};
    Label lblBall5{this, "lblBall5", "Ball 5", {3670, 900, 800, 240}};
    Label lblBall6{this, "lblBall6", "Ball 6", {4450, 900, 800, 240}};
    Label lblBonusBall{this, "lblBonusBall", "Bonus Ball", {5480, 900, 1000, 240}};
    Label lblDrawBall1{this, "lblDrawBall1", "", {620, 1400, 340, 300}};
    Label lblDrawBall2{this, "lblDrawBall2", "", {1400, 1400, 340, 300}};
    Label lblDrawBall3{this, "lblDrawBall3", "", {2180, 1400, 340, 300}};
    Label lblDrawBall4{this, "lblDrawBall4", "", {2960, 1400, 340, 300}};
    Label lblDrawBall5{this, "lblDrawBall5", "", {3740, 1400, 340, 300}};
    Label lblDrawBall6{this, "lblDrawBall6", "", {4520, 1400, 340, 300}};
    Label lblDrawBallBonus{this, "lblDrawBallBonus", "", {5740, 1400, 340, 300}};

    Label lblNumberOfDraws{this, "lblNumberOfDraws", "Total number of draws to date", {240, 2200, 2700, 240}};
    TextBox txtNumberOfDraws{this, "txtNumberOfDraws", "", {2940, 2160, 900, 315}};
    Label lblDrawLineNumber{this, "lblDrawLineNumber", "Line Number", {4340, 2200, 1200, 240}};
    Label lblDrawLineNumberNumber{this, "lblDrawLineNumberNumber", "", {5540, 2200, 900, 240}};

    // Navigation and searching.
    CommandButton cmdBOF{this, "cmdBOF", "<<", {240, 2700, 600, 375}};
    CommandButton cmdBack{this, "cmdBack", "Back", {900, 2700, 900, 375}};
    CommandButton cmdNext{this, "cmdNext", "Next", {1860, 2700, 900, 375}};
    CommandButton cmdEOF{this, "cmdEOF", ">>", {2820, 2700, 600, 375}};
    CommandButton cmdNumberSearch{this, "cmdNumberSearch", "Number Search", {3660, 2700, 1620, 375}};
    CommandButton cmdDateSearch{this, "cmdDateSearch", "Date Search", {5340, 2700, 1620, 375}};
    CommandButton cmdFirstOccurance{this, "cmdFirstOccurance", "<<", {240, 3180, 600, 375}};
    CommandButton cmdPreviousOccurance{this, "cmdPreviousOccurance", "<", {900, 3180, 600, 375}};
    CommandButton cmdNextOccurance{this, "cmdNextOccurance", ">", {1560, 3180, 600, 375}};
    CommandButton cmdLastOccurance{this, "cmdLastOccurance", ">>", {2220, 3180, 600, 375}};
    Label lblViewOccurances{this, "lblViewOccurances", "", {3000, 3250, 4300, 240}};

    // Statistics.
    Label lblOccurancesOfNumbers{
        this, "lblOccurancesOfNumbers", "Occurances of Numbers", {240, 3840, 3400, 240}};
    ComboBox cmbSorted{this, "cmbSorted", {240, 4100, 3400, 315}};
    Label lblOccurancesOfThunderball{
        this, "lblOccurancesOfThunderball", "Occurances of Thunderball", {3900, 3840, 3400, 240}};
    ComboBox cmbThunderballSorted{this, "cmbThunderballSorted", {3900, 4100, 3400, 315}};

    // Generation.
    Label lblAlgorithms{this, "lblAlgorithms", "Select an Algorithm from list:", {240, 4680, 3400, 240}};
    ComboBox cmbAlgorithms{this, "cmbAlgorithms", {240, 4940, 3400, 315}};
    Label lblWheels{this, "lblWheels", "Select a Wheel from list:", {3900, 4680, 3400, 240}};
    ComboBox cmbWheels{this, "cmbWheels", {3900, 4940, 3400, 315}};
    CommandButton cmdWheelGuarantees{this, "cmdWheelGuarantees", "Wheel Guarantees", {5500, 5290, 1800, 300}};

    Label lblProccessing{this, "lblProccessing", "Proccessing Data, please wait...", {240, 5600, 7000, 300}};
    Label lblWebAddress{this, "lblWebAddress", "", {240, 6300, 7000, 240}};
    RichTextBox txtPrint{this, "txtPrint", {240, 6000, 2000, 200}};

    // Menus, in the order they appear.
    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileSave{this, "mnuFileSave", "S&ave", &mnuFile};
    MenuItem mnuFileLoad{this, "mnuFileLoad", "&Load Saved", &mnuFile};
    MenuItem mnuFileImportWheel{this, "mnuFileImportWheel", "Import Wheel", &mnuFile};
    MenuItem mnuFileHyphen1{this, "mnuFileHyphen1", "-", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "P&rint Picked Numbers", &mnuFile};
    MenuItem mnuFileHyphen2{this, "mnuFileHyphen2", "-", &mnuFile};
    ControlArray<MenuItem> mnuFileRecent{this, "mnuFileRecent", "", &mnuFile};
    MenuItem mnuFileHyphen3{this, "mnuFileHyphen3", "-", &mnuFile};
    MenuItem mnuFileExit{this, "mnuFileExit", "E&xit", &mnuFile};

    MenuItem mnuPotions{this, "mnuPotions", "Options"};
    MenuItem mnuOptionsProperties{this, "mnuOptionsProperties", "Properties", &mnuPotions};
    MenuItem mnuOptionsWheelGuarantees{this, "mnuOptionsWheelGuarantees", "Wheel Guarantees", &mnuPotions};

    MenuItem mnuDraw{this, "mnuDraw", "&Draw"};
    MenuItem mnuDrawLotto{this, "mnuDrawLotto", "Lotto Draw", &mnuDraw};
    MenuItem mnuDrawLottoExtra{this, "mnuDrawLottoExtra", "Lotto Extra Draw", &mnuDraw};
    MenuItem mnuDrawThunderball{this, "mnuDrawThunderball", "Thunderball Draw", &mnuDraw};
    MenuItem mnuDrawDailyPlay{this, "mnuDrawDailyPlay", "Daily Play Draw", &mnuDraw};
    MenuItem mnuDrawLotto59{this, "mnuDrawLotto59", "Lotto &59 Draw", &mnuDraw};
    MenuItem mnuDrawThunderball39{this, "mnuDrawThunderball39", "Thunderball &39 Draw", &mnuDraw};

    MenuItem mnuPick{this, "mnuPick", "&Pick"};
    MenuItem mnuPick6{this, "mnuPick6", "Pick Numbers", &mnuPick};
    MenuItem mnuPickPersonal{this, "mnuPickPersonal", "Personal Picks", &mnuPick};

    MenuItem mnuShow{this, "mnuShow", "&View"};
    MenuItem mnuShowPickedNumbers{this, "mnuShowPickedNumbers", "View Picked Numbers", &mnuShow};
    MenuItem mnuShowDraws{this, "mnuShowDraws", "View Draws", &mnuShow};
    MenuItem mnuShowMostLikelyNumbers{this, "mnuShowMostLikelyNumbers", "View Quintara's Picks", &mnuShow};
    MenuItem mnuShowPersonalPicks{this, "mnuShowPersonalPicks", "View Personal Picks", &mnuShow};

    MenuItem mnuCheck{this, "mnuCheck", "&Check"};
    MenuItem mnuCheckNumbers{this, "mnuCheckNumbers", "Check Numbers", &mnuCheck};

    MenuItem mnuCharts{this, "mnuCharts", "Char&ts"};
    MenuItem mnuFrequencyBarChart{this, "mnuFrequencyBarChart", "Frequency Bar Chart", &mnuCharts};
    MenuItem mnuLastDrawnBarChart{this, "mnuLastDrawnBarChart", "Last Drawn Bar Chart", &mnuCharts};
    MenuItem mnuBallAveragesBarChart{this, "mnuBallAveragesBarChart", "Ball Averages Bar Chart", &mnuCharts};
    MenuItem mnuThunderballFrequencyBarChart{this, "mnuThunderballFrequencyBarChart",
                                             "Thunderball Frequency Bar Chart", &mnuCharts};
    MenuItem mnuThunderballLastDrawnBarChart{this, "mnuThunderballLastDrawnBarChart",
                                             "Thunderball Last Drawn Bar Chart", &mnuCharts};
    MenuItem mnuThunderballAveragesBarChart{this, "mnuThunderballAveragesBarChart",
                                            "Thunderball Averages Ball Chart", &mnuCharts};

    MenuItem mnuLists{this, "mnuLists", "&Lists"};
    MenuItem mnuListsPickedNumbers{this, "mnuListsPickedNumbers", "List Picked Numbers", &mnuLists};
    MenuItem mnuListsLastDrawn{this, "mnuListsLastDrawn", "List Last Drawn", &mnuLists};
    MenuItem mnuListsBallAverages{this, "mnuListsBallAverages", "List Ball Averages", &mnuLists};
    MenuItem mnuListsThunderballLastDrawn{this, "mnuListsThunderballLastDrawn", "List Thunderball Last Drawn",
                                          &mnuLists};
    MenuItem mnuListsThunderballAverages{this, "mnuListsThunderballAverages", "List Thunderball Averages",
                                         &mnuLists};

    MenuItem mnuUpdate{this, "mnuUpdate", "&Update"};
    MenuItem mnuUpdateLottoHistory{this, "mnuUpdateLottoHistory", "Update Lotto History File", &mnuUpdate};
    MenuItem mnuUpdateLottoExtraHistory{this, "mnuUpdateLottoExtraHistory", "Update Lotto Extra History File",
                                        &mnuUpdate};
    MenuItem mnuUpdateThunderballHistory{this, "mnuUpdateThunderballHistory",
                                         "Update Thunderball History File", &mnuUpdate};
    MenuItem mnuUpdateDailyPlayHistory{this, "mnuUpdateDailyPlayHistory", "Update Daily Play History File",
                                       &mnuUpdate};
    MenuItem mnuUpdateLotto59History{this, "mnuUpdateLotto59History", "Update Lotto &59 History File",
                                     &mnuUpdate};
    MenuItem mnuUpdateThunderball39History{this, "mnuUpdateThunderball39History",
                                           "Update Thunderball &39 History File", &mnuUpdate};
    MenuItem mnuUpdateImportHistory{this, "mnuUpdateImportHistory", "Import History from CSV File...",
                                    &mnuUpdate};
    MenuItem mnuUpdateDownloadResults{this, "mnuUpdateDownloadResults", "Download Latest Results",
                                      &mnuUpdate};
    MenuItem mnuUpdateGetHistoryFiles{this, "mnuUpdateGetHistoryFiles", "Get History Files From Internet",
                                      &mnuUpdate};
    MenuItem mnuUpdateGetDefaultWheels{this, "mnuUpdateGetDefaultWheels", "Get Default Wheels from Internet",
                                       &mnuUpdate};

    MenuItem mnuSimulate{this, "mnuSimulate", "Simulate"};
    MenuItem mnuSimulateFinalNumbers{this, "mnuSimulateFinalNumbers", "Simulate Numbers", &mnuSimulate};
    MenuItem mnuSimulateThunderballFinalNumbers{this, "mnuSimulateThunderballFinalNumbers",
                                                "Simulate Thunderball Numbers", &mnuSimulate};

    MenuItem mnuHelp{this, "mnuHelp", "&Help"};
    MenuItem mnuHelpContents{this, "mnuHelpContents", "Contents", &mnuHelp};
    MenuItem mnuHelpAbout{this, "mnuHelpAbout", "About", &mnuHelp};
    MenuItem mnuHelpVisitHomePage{this, "mnuHelpVisitHomePage", "Visit Home Page", &mnuHelp};

    void SetMode(Mode mode) override;

    // The shared routines other windows and commands call.
    void LoadDrawLotto() { LoadDraw(Game::Lotto); }
    void LoadDrawLottoExtra() { LoadDraw(Game::LottoExtra); }
    void LoadDrawThunderball() { LoadDraw(Game::Thunderball); }
    void LoadDrawDailyPlay() { LoadDraw(Game::DailyPlay); }
    void LoadDraw(Game game) override;
    // The Draw menu's item of each game, in the games' order.
    std::array<MenuItem*, kAllGames.size()> DrawMenuItems();
    void ShowDraws();
    void ShowDraw() override;
    void ShowLine();
    void ShowDailyPlayLine();
    // ShowLine or ShowDailyPlayLine, as the game's lines need.
    void ShowCurrentLine() override;
    // Loads the game's history into the state and the statistics boxes; false after its message.
    bool LoadHistory();
    // Reads and checks a built-in wheel file into WheelLines (an empty path keeps the loaded wheel).
    void LoadWheel(const std::filesystem::path& path);
    // Imports a wheel file as Import Wheel does, without asking for the file.
    void ImportWheelFile(const std::filesystem::path& path) override;
    // Shows a saved-lines file of the current game in lines mode; false when it cannot be read.
    bool LoadLinesFile(const std::filesystem::path& path);
    // Opens a saved-lines file named when the program was started (from a file manager): in the game of
    // its extension, as Load Saved shows it; a file that cannot be shown is reported.
    void OpenLinesFile(const std::filesystem::path& path);
    // Puts the window into personal picks mode once the personal numbers have been accepted.
    void EnterPersonalPicksMode() override;
    // Fills the algorithm box with the current game's algorithms and selects the first.
    void FillAlgorithms();
    void SetLineMenus(bool enabled) override;
    void SetPrintListing(std::string text) override;
    int LineCount() const override;

    // The help file the Contents command opens.
    std::filesystem::path helpFile;
    std::filesystem::path HelpFile() const override { return helpFile; }
    void Repaint() override { Refresh(); }

    // The intents of the commands.
    void ShowExtraBall(bool shown) override;
    void ClearBalls() override;
    void SetLineNumberCaption(std::string text) override;
    void SetOccurrenceCaption(std::string text) override;
    void ShowOccurrenceWalk() override;
    void SelectBallFrequency(int position) override;
    std::string AlgorithmText() const override { return cmbAlgorithms.Text(); }
    int AlgorithmIndex() const override { return cmbAlgorithms.ListIndex(); }
    void SetAlgorithmList(const std::vector<std::string>& items) override;
    void SelectAlgorithm(int position) override { cmbAlgorithms.SetListIndex(position); }
    std::string WheelText() const override { return cmbWheels.Text(); }
    int WheelIndex() const override { return cmbWheels.ListIndex(); }
    std::vector<std::string> WheelList() const override { return cmbWheels.Items(); }
    void SetWheelList(const std::vector<std::string>& items) override;
    void SelectWheel(int position) override { cmbWheels.SetListIndex(position); }
    void EnableGeneratorBoxes(bool enabled) override;
    void ShowProcessing(bool shown) override { lblProccessing.visible = shown; }
    void EnablePick(bool enabled) override { mnuPick6.enabled = enabled; }
    void EnableQuintarasPicks(bool enabled) override { mnuShowMostLikelyNumbers.enabled = enabled; }
    void EnablePersonalPicksView(bool enabled) override { mnuShowPersonalPicks.enabled = enabled; }
    void EnableLoadedLinesMenus() override;
    void ShowRecentFiles(const std::vector<std::string>& captions, bool shown) override;
    void Bind(std::string_view element, Event event, std::function<void()> reaction) override;
    void BindRecentFiles(std::function<void(int index)> reaction) override;

private:
    App& m_app;
    AppState& m_state;
    PickCommands m_pick;
    BrowseCommands m_browse;
    HelpCommands m_help;
    LinesCommands m_lines;
    // Checking a draw against the lines.
    CheckCommands m_check;
    StatsCommands m_stats;
    // Simulation over past draws.
    SimulateCommands m_simulate;
    UpdateCommands m_update;

    void Form_Load();
    void Form_Resize();
    void SetGameLayout(Game game);
    // Puts the extra ball's heading, number and picture where the game has them.
    void PlaceExtraBall(Game game);
    // A line carries no draw fields, only its number.
    void ShowLineNumber();
    void FillStatisticsBoxes();
    // A game whose history would not load shows no draw and no statistics.
    void ShowNoDraws();
    void BindTo(MainWindow& main);
    void mnuPrint_Click();
    void mnuFileExit_Click();
};

}  // namespace quintara::ui
