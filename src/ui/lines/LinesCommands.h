#pragma once

#include <filesystem>
#include <string>

#include "lines/RecentFiles.h"
#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// The recent-files list's store: the desktop's per-user settings of the program.
class PlatformSettingsStore : public SettingsStore {
public:
    explicit PlatformSettingsStore(Platform& desktop) : m_desktop(desktop) {}
    std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view section) override {
        return m_desktop.ReadSettings(section);
    }
    void WriteSection(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& values) override {
        m_desktop.WriteSettings(section, values);
    }

private:
    Platform& m_desktop;
};

// The saved-lines commands of the main window: Save, Load Saved, and the File menu's recent files, whose
// list it keeps and hands to the program through the App's recent-file hooks.
class LinesCommands {
public:
    LinesCommands(App& app, MainWindow& main);
    ~LinesCommands();
    LinesCommands(const LinesCommands&) = delete;
    LinesCommands& operator=(const LinesCommands&) = delete;

    void BindTo(MainWindow& main);

    void mnuFileSave_Click();
    void mnuFileLoad_Click();
    // Shows the lines of a saved-lines file of the current game in lines mode. A file that cannot be read
    // or holds no lines of the game changes nothing; the error names it and says why.
    Checked LoadLinesFile(const std::filesystem::path& path);
    void mnuFileRecent_Click(int index);
    // A saved-lines file of any game, switching to the game of its extension first; false, after the
    // draw-mode command when the extension names a game, when it is no lines file or cannot be read.
    bool OpenLinesFileOfItsGame(const std::string& path);

    void ReadRecentFiles();
    void AddRecentFile(const std::string& path);
    void SaveRecentFiles();
    const RecentFiles& Recent() const { return m_recent; }

private:
    App& m_app;
    MainWindow& m_main;
    AppState& m_state;
    RecentFiles m_recent;
    // The App hooks this list filled, emptied again when it goes.
    bool m_ownsRead = false;
    bool m_ownsAdd = false;
    bool m_ownsSave = false;

    void ShowRecentItems();
    // The date the lines are stamped with: when they were generated, or today for lines that carry none.
    double GeneratedDate() const;
};

}  // namespace quintara::ui
