#pragma once

#include <filesystem>

#include "core/Games.h"
#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// The Update menu's commands: typing draws into a game's history, and importing a history from a CSV
// file.
class UpdateCommands {
public:
    UpdateCommands(App& app, MainWindow& main) : m_app(app), m_main(main) {}
    UpdateCommands(const UpdateCommands&) = delete;
    UpdateCommands& operator=(const UpdateCommands&) = delete;

    void BindTo(MainWindow& main);

    void mnuUpdateImportHistory_Click();
    // The import of the command without its file dialog: the current game's history from this CSV file.
    void ImportHistoryFile(const std::filesystem::path& csvPath);

    // Switches the main window to the game and opens the update window for it; a window open for
    // another game is closed first, so that no window ever writes a game it was not made for.
    void OpenUpdateWindow(Game game);

    // Downloads the latest results of the game on show and merges their newer draws into its history.
    void mnuUpdateDownloadResults_Click();
    // The operator's results page of the game on show, or the manual's section on histories.
    void mnuUpdateGetHistoryFiles_Click();

private:
    // After the history was replaced or added to: the main window shows it, the update window offers the
    // next draw number.
    void ShowChangedHistory(Game game);

    App& m_app;
    MainWindow& m_main;
};

}  // namespace quintara::ui
