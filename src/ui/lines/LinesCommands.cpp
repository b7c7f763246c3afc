#include "ui/lines/LinesCommands.h"

#include <stdexcept>

#include "lines/LinesFile.h"

namespace quintara::ui {

namespace {

// The lines of the current game as the state holds them.
SavedLines LinesOnShow(const AppState& state) {
    SavedLines lines{state.CurrentGameId(), {}, {}};
    if (Info(lines.game).sevenBallLines) {
        lines.dailyPlay = state.DailyPlayPickedLines;
    } else {
        lines.picked = state.PickedLines;
    }
    return lines;
}

}  // namespace

LinesCommands::LinesCommands(App& app, MainWindow& main) : m_app(app), m_main(main), m_state(app.state) {
    // A hook already filled belongs to whoever filled it (a test watching the files opened).
    if (!m_app.readRecentFiles) {
        m_app.readRecentFiles = [this] { ReadRecentFiles(); };
        m_ownsRead = true;
    }
    if (!m_app.addRecentFile) {
        m_app.addRecentFile = [this](const std::string& path) { AddRecentFile(path); };
        m_ownsAdd = true;
    }
    if (!m_app.saveRecentFiles) {
        m_app.saveRecentFiles = [this] { SaveRecentFiles(); };
        m_ownsSave = true;
    }
}

LinesCommands::~LinesCommands() {
    if (m_ownsRead) {
        m_app.readRecentFiles = nullptr;
    }
    if (m_ownsAdd) {
        m_app.addRecentFile = nullptr;
    }
    if (m_ownsSave) {
        m_app.saveRecentFiles = nullptr;
    }
}

void LinesCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<LinesCommands>>({
        {"mnuFileSave", &LinesCommands::mnuFileSave_Click},
        {"mnuFileLoad", &LinesCommands::mnuFileLoad_Click},
    });
    BindReactions(main, *this, kReactions);
    main.BindRecentFiles([this](int index) { mnuFileRecent_Click(index); });
}

double LinesCommands::GeneratedDate() const {
    return m_state.LinesGeneratedDate != 0 ? m_state.LinesGeneratedDate : m_app.Today();
}

void LinesCommands::mnuFileSave_Click() {
    if (!m_app.session.LinesMode) {
        m_app.desktop.MsgBox(kSaveNoLinesText, kSaveNoLinesTitle, MsgBoxIcon::Exclamation);
        return;
    }
    const SavedLines lines = LinesOnShow(m_state);
    const std::string name = m_app.desktop.FileSaveDialog(kLinesTextFilter, ProposedLinesName(lines.game));
    if (name.empty()) {
        return;
    }
    const Expected<FileWritten> saved = SaveLines(name, lines, GeneratedDate());
    if (!saved) {
        // Said, not swallowed: the user would otherwise believe his lines kept.
        m_app.desktop.MsgBox("Unable to save the picked numbers!\r\n" + saved.error().text, "Unable to Save",
                             MsgBoxIcon::Exclamation);
        return;
    }
    if (!saved->warning.empty()) {
        m_app.desktop.MsgBox("The picked numbers were saved.\r\n" + saved->warning, "Save",
                             MsgBoxIcon::Exclamation);
    }
    // The lines file, not its printout, is what the recent item reopens.
    if (m_app.addRecentFile) {
        m_app.addRecentFile(BinaryLinesName(name, lines.game).string());
    }
}

void LinesCommands::mnuFileLoad_Click() {
    const Game game = m_state.CurrentGameId();
    const std::string name = m_app.desktop.FileOpenDialog(LinesFileFilter(game), "");
    if (name.empty()) {
        return;
    }
    // A name typed past the dialog's filter is another game's lines, or no lines at all.
    const Checked loaded =
        GameOfLinesFile(name) == game
            ? LoadLinesFile(name)
            : Refuse(RefusalCause::BadFormat,
                     name + ": not a " + GameName(game) + " saved lines file " + LinesFileFilter(game));
    if (!loaded) {
        m_app.desktop.MsgBox(
            "Unable to open " + loaded.error().text + ".\r\nThe lines on show are unchanged.",
            "Unable to open", MsgBoxIcon::Exclamation);
    }
}

Checked LinesCommands::LoadLinesFile(const std::filesystem::path& path) {
    const Game game = m_state.CurrentGameId();
    SavedLines lines{game, {}, {}};
    if (Info(game).sevenBallLines) {
        lines.dailyPlay.Resize(1);
    } else {
        lines.picked.Resize(1);
    }
    if (!path.empty()) {
        // Read whole before anything changes, so a file that fails costs the user none of his lines.
        auto read = ReadLinesFile(path, game);
        if (!read) {
            return Refuse(read.error());
        }
        lines = std::move(*read);
    }
    if (Info(game).sevenBallLines) {
        m_state.DailyPlayPickedLines = lines.dailyPlay;
    } else {
        m_state.PickedLines = lines.picked;
    }
    m_app.session.CurrentLine = 1;
    m_app.session.LinesMode = true;
    m_main.ShowCurrentLine();
    m_main.SetOccurrenceCaption("View all " + std::to_string(lines.Count()) + " saved lines.");
    m_main.SetMode(MainWindow::Mode::SavedLines);
    // Print prints the lines on show, not those of an earlier Pick.
    m_main.SetPrintListing(SavedLinesText(lines, GeneratedDate()));
    if (m_app.addRecentFile) {
        m_app.addRecentFile(path.string());
    }
    m_main.EnableLoadedLinesMenus();
    return {};
}

void LinesCommands::mnuFileRecent_Click(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_recent.Count()) {
        return;
    }
    // A copy: the draw-mode command loads a wheel, which adds to the list.
    const std::string path = m_recent.PathOfItem(static_cast<std::size_t>(index));
    const RecentFileTarget target = ClassifyRecentFile(path);
    switch (target.kind) {
    case RecentFileTarget::Kind::Wheel: {
        const auto game = GameOfWheelFile(path);
        if (!game) {
            m_app.desktop.MsgBox(kRecentFileMissingText, kRecentFileMissingTitle);
            return;
        }
        // A wheel of no game is imported for the game on show, whose import says what is wrong with it.
        // The width of its lines names a classic game; a game on show with lines of that width keeps the
        // wheel (a Lotto 59 player's six-number wheel stays in Lotto 59).
        if (*game && Info(**game).pointersPerLine != Info(m_state.CurrentGameId()).pointersPerLine) {
            m_main.LoadDraw(**game);
        }
        m_main.ImportWheelFile(path);
        return;
    }
    case RecentFileTarget::Kind::Lines:
        if (!OpenLinesFileOfItsGame(path)) {
            m_app.desktop.MsgBox(kRecentFileMissingText, kRecentFileMissingTitle);
        }
        return;
    case RecentFileTarget::Kind::None:
        return;
    }
}

bool LinesCommands::OpenLinesFileOfItsGame(const std::string& path) {
    const RecentFileTarget target = ClassifyRecentFile(path);
    if (target.kind != RecentFileTarget::Kind::Lines) {
        return false;
    }
    m_main.LoadDraw(*target.game);
    return LoadLinesFile(path).has_value();
}

void LinesCommands::ReadRecentFiles() {
    PlatformSettingsStore store(m_app.desktop);
    m_recent.Load(store);
    ShowRecentItems();
}

void LinesCommands::AddRecentFile(const std::string& path) {
    m_recent.Add(path);
    ShowRecentItems();
}

void LinesCommands::SaveRecentFiles() {
    PlatformSettingsStore store(m_app.desktop);
    m_recent.Save(store);
}

void LinesCommands::ShowRecentItems() {
    m_main.ShowRecentFiles(m_recent.Captions(), m_recent.Shown());
}

}  // namespace quintara::ui
