#include "ui/picks/PickCommands.h"

#include <algorithm>

#include "core/Files.h"
#include "core/TextRules.h"
#include "generate/Catalogue.h"
#include "generate/GenerateError.h"
#include "generate/Generator.h"
#include "generate/Listing.h"
#include "generate/WheelFile.h"
#include "ui/EngineCalls.h"
#include "ui/Refusals.h"
#include "ui/picks/frmMostLikely7Numbers.h"
#include "ui/picks/frmMostLikelyNumbers.h"
#include "ui/picks/frmNumberOfPersonalPicks.h"
#include "ui/picks/frmPickedNumbers.h"
#include "ui/picks/frmViewPersonalPicks.h"
#include "ui/picks/frmWheelGuarantees.h"

namespace quintara::ui {

namespace {

constexpr std::string_view kNotAvailable = "This Option is not available for this Algorithm";
// A window without a title of its own is captioned with the program's name.
constexpr std::string_view kUntitled = "Quintara";

// Opens a picks view: made and filled on first use, brought forward when open. A view whose filling
// failed has closed itself and is not shown.
void SelectOnlyAlgorithm(MainWindow& main, const std::string& item) {
    main.SetAlgorithmList({item});
    main.SelectAlgorithm(0);
}

void SelectOnlyWheel(MainWindow& main, const std::string& item) {
    main.SetWheelList({item});
    main.SelectWheel(0);
}

template <class View>
void OpenView(App& app) {
    FormManager::ReactionScope keepAlive(&app.forms);
    auto& view = app.forms.Get<View>(app);
    if (view.Loaded()) {
        view.Show();
    }
}

}  // namespace

void PickCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<PickCommands>>({
        {"cmbAlgorithms", &PickCommands::cmbAlgorithms_Click},
        {"cmbAlgorithms", &PickCommands::cmbAlgorithms_Change, MainWindow::Event::Change},
        {"cmbWheels", &PickCommands::cmbWheels_Click},
        {"cmbWheels", &PickCommands::cmbWheels_Change, MainWindow::Event::Change},
        {"mnuOptionsWheelGuarantees", &PickCommands::ShowWheelGuarantees},
        {"cmdWheelGuarantees", &PickCommands::ShowWheelGuarantees},
        {"mnuPick6", &PickCommands::mnuPick6_Click},
        {"mnuPickPersonal", &PickCommands::mnuPickPersonal_Click},
        {"mnuShowPickedNumbers", &PickCommands::mnuShowPickedNumbers_Click},
        {"mnuListsPickedNumbers", &PickCommands::mnuListsPickedNumbers_Click},
        {"mnuFileImportWheel", &PickCommands::mnuFileImportWheel_Click},
        {"mnuShowMostLikelyNumbers", &PickCommands::mnuShowMostLikelyNumbers_Click},
        {"mnuShowPersonalPicks", &PickCommands::mnuShowPersonalPicks_Click},
    });
    BindReactions(main, *this, kReactions);
}

void PickCommands::cmbAlgorithms_Click() {
    m_state.SelectedAlgorithm = m_main.AlgorithmText();
    m_state.SelectedAlgorithmIndex = static_cast<std::int16_t>(m_main.AlgorithmIndex());
    m_main.EnableQuintarasPicks(true);
    const int index = m_main.AlgorithmIndex();
    if (index < 0) {
        return;
    }
    const Game game = m_state.CurrentGameId();
    const auto wheels = WheelItems(game, index);
    if (wheels.empty()) {
        return;
    }
    m_main.SetWheelList(std::vector<std::string>(wheels.begin(), wheels.end()));
    if (IsFortyNineAlgorithm(game, m_state.SelectedAlgorithm)) {
        m_main.EnableQuintarasPicks(false);
    }
    m_main.SelectWheel(0);
}

void PickCommands::cmbAlgorithms_Change() {
    m_main.SelectAlgorithm(0);
    m_app.desktop.MsgBox("Please ensure you select an Algorithm from List!", "No Algorithm Selected");
}

void PickCommands::cmbWheels_Click() {
    const auto file = WheelFileName(m_state.CurrentGameId(), m_main.WheelText());
    LoadWheel(file ? m_app.ProgramFile(*file) : std::filesystem::path());
}

void PickCommands::cmbWheels_Change() {
    m_main.SelectWheel(0);
    m_app.desktop.MsgBox("Please ensure you select Wheel from List!", "No Wheel Selected");
}

void PickCommands::LoadWheel(const std::filesystem::path& path) {
    BusyPointer busy(m_app.desktop);
    const Game game = m_state.CurrentGameId();
    if (path.empty()) {
        // Without a file the loaded wheel stays, and it was checked when it came in: a built-in wheel against
        // the game's range, an imported wheel over personal numbers against their count, which may be larger.
        const int highest =
            std::max(Info(game).numbersChosen,
                     ImportHighestPointer(game, m_state.PersonalPicksActive, m_state.PersonalNumbers.Size()));
        if (const Checked checked =
                CheckWheelPointers(m_state.WheelLines, game, highest, WheelSource::BuiltIn);
            !checked) {
            busy.Restore();
            if (checked.error().cause == RefusalCause::NotANumber) {
                m_app.desktop.MsgBox(kDefaultWheelNotLoaded.text, kDefaultWheelNotLoaded.title);
                return;
            }
            ShowRefusal(m_app.desktop, checked.error());
        }
    } else {
        WheelRead read = ReadCheckedWheel(path, game, Info(game).numbersChosen, WheelSource::BuiltIn);
        if (!read) {
            // A wheel that fails a check is never selected: the one loaded before stays (the copy an import
            // took may be empty, and Pick must not run over a wheel without lines).
            const Refusal& refusal = read.error();
            busy.Restore();
            if (refusal.cause == RefusalCause::NotANumber) {
                m_app.desktop.MsgBox(kDefaultWheelNotLoaded.text, kDefaultWheelNotLoaded.title);
            } else {
                ShowRefusal(m_app.desktop, refusal);
            }
            return;
        }
        m_state.WheelLines = *std::move(read);
    }
    // A built-in wheel is the program's own file, chosen from the wheel box: it is no recent file of the
    // player's, and adding it at every start and game switch pushed the player's files off the list.
}

void PickCommands::mnuFileImportWheel_Click() {
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

void PickCommands::ImportWheelFile(const std::filesystem::path& path) {
    if (BeginImport()) {
        ImportWheel(path, true);
    }
}

bool PickCommands::BeginImport() {
    m_state.WheelBackup = m_state.WheelLines;
    const Game game = m_state.CurrentGameId();
    // Only the first algorithm of a game takes an imported wheel.
    if (Info(game).algorithms.size() > 1 && m_main.AlgorithmIndex() >= 1) {
        m_app.desktop.MsgBox(kImportNotAvailable, kUntitled);
        return false;
    }
    return true;
}

void PickCommands::ImportWheel(const std::filesystem::path& path, bool builtInRangeMessages) {
    const Game game = m_state.CurrentGameId();
    try {
        BusyPointer busy(m_app.desktop);
        const int highest =
            ImportHighestPointer(game, m_state.PersonalPicksActive, m_state.PersonalNumbers.Size());
        WheelRead read = ReadCheckedWheel(path, game, highest,
                                          builtInRangeMessages ? WheelSource::BuiltIn : WheelSource::Import);
        if (!read) {
            // A refused file leaves the wheel the box names.
            m_state.WheelLines = m_state.WheelBackup;
            busy.Restore();
            const Refusal& refusal = read.error();
            if (refusal.cause == RefusalCause::Unreadable || refusal.cause == RefusalCause::NotANumber) {
                // The import's own message, and below it the file and what is wrong with it.
                m_app.desktop.MsgBox(std::string(kImportCancelled.text) + "\r\n" + refusal.detail,
                                     kImportCancelled.title);
            } else {
                ShowRefusal(m_app.desktop, refusal);
            }
            return;
        }
        const std::size_t lineCount = read->Size();
        m_state.WheelLines = *std::move(read);
        PlaceCustomWheel(CustomWheelItem(lineCount));
        // Personal picks wait for a wheel of their own before they can be picked.
        m_main.EnablePick(true);
        if (m_app.addRecentFile) {
            m_app.addRecentFile(path.string());
        }
    } catch (const std::exception&) {
        // Any run-time error of the import ends it with the import's own message.
        m_app.desktop.MsgBox(kImportCancelled.text, kImportCancelled.title);
    }
}

void PickCommands::PlaceCustomWheel(const std::string& item) {
    // Where the CUSTOM item goes: the last place before the game's longest built-in wheels.
    const GameLayout& layout = Info(m_state.CurrentGameId()).layout;
    const std::size_t fullList = layout.customWheelListSize;
    std::size_t position = layout.customWheelPosition;
    std::vector<std::string> items = m_main.WheelList();
    if (items.size() == fullList) {
        items[position] = item;
    } else if (items.size() == 1) {
        items[0] = item;
        position = 0;
    } else {
        position = std::min(position, items.size());
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(position), item);
    }
    m_main.SetWheelList(items);
    m_main.SelectWheel(static_cast<int>(position));
}

void PickCommands::mnuPick6_Click() {
    // Personal picks wheel the user's own numbers and need no history; everything else needs draws.
    if (m_state.SelectedAlgorithm != kPersonalPicksItem && !RequireDraws(m_app)) {
        return;
    }
    m_main.ShowExtraBall(false);
    const bool personalPicksBox = m_state.SelectedAlgorithm == kPersonalPicksItem;
    if (personalPicksBox && m_main.WheelText() == kLoadCustomWheelItem) {
        m_app.desktop.MsgBox("Please Load a Wheel to continue", "No Wheel Loaded");
        return;
    }
    if (!personalPicksBox) {
        m_state.PersonalPicksActive = false;
    }
    try {
        BusyPointer busy(m_app.desktop);
        const double today = m_app.Today();
        m_state.GeneratorMode = m_state.SelectedAlgorithmIndex;
        m_app.session.WheelIndex = static_cast<std::int16_t>(m_main.WheelIndex());
        if (!MakesFortyNineLines(RequestFromState(m_state, today))) {
            // Lines come only from a wheel that passes every check: a wheel without lines, or with a line
            // of the wrong length, would leave nothing to show but the newest draw.
            const Game game = m_state.CurrentGameId();
            const int highest = std::max(
                Info(game).numbersChosen,
                ImportHighestPointer(game, m_state.PersonalPicksActive, m_state.PersonalNumbers.Size()));
            if (const Checked wheel = CheckWheel(m_state.WheelLines, game, highest, WheelSource::Import);
                !wheel) {
                throw GenerateError(wheel.error().detail);
            }
        }
        RunGenerator(m_state, today);
        m_app.session.LinesMode = true;
        // Only now: a run that fails leaves the lines, and so their listing, as they were.
        m_main.SetPrintListing("");
        m_app.session.CurrentLine = 1;
        m_main.ShowCurrentLine();
        m_main.SetOccurrenceCaption("View all " + SignBlank(m_main.LineCount()) + " lines generated.");

        const auto listing = m_app.AppFile(kPrintTempFile);
        // A scratch file, remade by every pick: whole, but not worth a flush to disk.
        const auto written =
            WriteFileAtomically(listing,
                                PickedLinesListing(m_state.CurrentGameId(), m_state.PickedLines,
                                                   m_state.DailyPlayPickedLines, today),
                                Durability::Scratch);
        auto listed = written ? ReadWholeFile(listing) : Refuse(written.error());
        if (!listed) {
            busy.Restore();
            RefusePick();
            return;
        }
        m_main.SetPrintListing(*std::move(listed));

        m_main.SetMode(MainWindow::Mode::Pick);
        busy.Restore();
        m_app.desktop.Beep();
        m_main.SetLineMenus(true);
        if (m_state.PersonalPicksActive && personalPicksBox) {
            m_state.LinesFromPersonalPicks = true;
            m_state.LinesAvailable = false;
        } else if (!m_state.PersonalPicksActive) {
            m_state.LinesFromPersonalPicks = false;
            m_state.LinesAvailable = true;
        }
    } catch (const std::exception&) {
        // Any run-time error of the command, the generator's above all.
        RefusePick();
    }
}

void PickCommands::RefusePick() {
    m_main.SelectWheel(0);
    m_main.SelectAlgorithm(0);
    m_app.desktop.MsgBox("Please ensure you choose a selection from List", "Error");
}

void PickCommands::mnuPickPersonal_Click() {
    m_app.forms.Get<frmNumberOfPersonalPicks>(m_app).Show(ShowMode::Modal);
}

void PickCommands::mnuShowPickedNumbers_Click() {
    m_app.session.LinesMode = true;
    m_app.session.CurrentLine = 1;
    // Hidden before the line is shown, so that a Daily Play line keeps its seventh number in view.
    m_main.ShowExtraBall(false);
    m_main.ShowCurrentLine();
    m_main.SetOccurrenceCaption("View all " + SignBlank(m_main.LineCount()) + " lines generated.");
    m_main.SetMode(MainWindow::Mode::Pick);
    m_main.SetLineMenus(true);
}

void PickCommands::mnuListsPickedNumbers_Click() {
    m_app.forms.Get<frmPickedNumbers>(m_app).Show();
}

void PickCommands::mnuShowMostLikelyNumbers_Click() {
    if (!RequireDraws(m_app)) {
        return;
    }
    // The views show the algorithm's own numbers, whatever the personal picks.
    const bool personalPicks = m_state.PersonalPicksActive;
    m_state.PersonalPicksActive = false;
    const std::string& algorithm = m_state.SelectedAlgorithm;
    const Game game = m_state.CurrentGameId();
    // The views run the algorithm without the seven-number reduction unless they show the seven: the classic
    // games with mode 1, a game whose mode 1 is the reduction with mode 0.
    const std::int16_t plainMode = Info(game).sevenNumbersAlgorithm == 1 ? 0 : 1;
    if (IsFortyNineAlgorithm(game, algorithm)) {
        m_app.desktop.MsgBox(kNotAvailable, "Not Available");
    } else {
        try {
            if (IsSevenNumbersAlgorithm(game, algorithm)) {
                m_state.GeneratorMode = static_cast<std::int16_t>(Info(game).sevenNumbersAlgorithm);
                OpenView<frmMostLikely7Numbers>(m_app);
            } else {
                m_state.GeneratorMode = plainMode;
                OpenView<frmMostLikelyNumbers>(m_app);
            }
        } catch (const std::exception&) {
            // A view that cannot be made ends the command without a word.
        }
        m_state.GeneratorMode = plainMode;
    }
    m_state.PersonalPicksActive = personalPicks;
}

void PickCommands::EnterPersonalPicksMode() {
    m_state.PersonalPicksActive = true;
    m_main.SetMode(MainWindow::Mode::PersonalPicks);
    SelectOnlyAlgorithm(m_main, std::string(kPersonalPicksItem));
    SelectOnlyWheel(m_main, std::string(kLoadCustomWheelItem));
    m_main.EnablePersonalPicksView(true);
    m_main.EnablePick(false);
    m_main.SetLineMenus(false);
}

void PickCommands::mnuShowPersonalPicks_Click() {
    m_state.PersonalPicksActive = true;
    // Selecting the algorithm item loads the game's first wheel, so the saved lines go back after it.
    SelectOnlyAlgorithm(m_main, std::string(kPersonalPicksItem));
    const Game game = m_state.CurrentGameId();
    const bool fits = !m_savedWheelCaption.empty() &&
                      CheckWheelPointers(m_savedWheelLines, game,
                                         ImportHighestPointer(game, true, m_state.PersonalNumbers.Size()),
                                         WheelSource::Import);
    if (fits) {
        // Selected first: its reaction checks the wheel then loaded against the game's own range, which
        // the saved wheel may outrun when the personal numbers do.
        SelectOnlyWheel(m_main, m_savedWheelCaption);
        m_state.WheelLines = m_savedWheelLines;
    } else {
        // Without a saved wheel, or with one whose pointers outrun the personal numbers entered since.
        SelectOnlyWheel(m_main, std::string(kLoadCustomWheelItem));
    }
    m_main.SetMode(MainWindow::Mode::PersonalPicks);
    m_main.EnablePersonalPicksView(true);
    m_main.SetLineMenus(m_state.LinesFromPersonalPicks);
    m_main.EnablePick(m_main.WheelText() != kLoadCustomWheelItem);
    m_app.forms.Get<frmViewPersonalPicks>(m_app).Show();
}

void PickCommands::KeepCustomWheel() {
    if (m_state.PersonalPicksActive && m_main.WheelText() != kLoadCustomWheelItem) {
        m_savedWheelCaption = m_main.WheelText();
        m_savedWheelLines = m_state.WheelLines;
    }
}

void PickCommands::ShowWheelGuarantees() {
    // What the loaded wheel guarantees, proved from its lines.
    ui::ShowWheelGuarantees(m_app, m_main.WheelText());
}

void PickCommands::ForgetCustomWheel() {
    m_savedWheelCaption.clear();
    m_savedWheelLines.Clear();
}

}  // namespace quintara::ui
