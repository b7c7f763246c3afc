#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/AppState.h"
#include "core/Dates.h"
#include "formkit/FormManager.h"
#include "formkit/Platform.h"
#include "ui/SessionState.h"

namespace quintara::ui {

class MainWindow;

// The running program: its state, the desktop it runs on, its windows and its folder.
class App {
public:
    // shareDir: where the program's own files are when appDir lacks them (an install's share/quintara).
    App(Platform& platform, std::filesystem::path appFolder, std::filesystem::path shareFolder = {})
        : desktop(platform),
          forms(platform),
          appDir(std::move(appFolder)),
          shareDir(std::move(shareFolder)) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    AppState state;
    SessionState session;
    Platform& desktop;
    FormManager forms;
    std::filesystem::path appDir;
    std::filesystem::path shareDir;

    // The recent-files list: read at start-up, told of every file opened, saved when the main window
    // closes. Each does nothing until the list is there.
    std::function<void()> readRecentFiles;
    std::function<void(const std::string& path)> addRecentFile;
    std::function<void()> saveRecentFiles;

    // The main window while it is loaded, for the windows that report back to it.
    MainWindow* mainWindow = nullptr;

    // A file the program keeps beside itself, "\Name" as the program writes it.
    std::filesystem::path AppFile(std::string_view name) const;
    // A file the program ships (a wheel, the help, a picture): the user's own copy in appDir if there is
    // one, else the shipped one.
    std::filesystem::path ProgramFile(std::string_view name) const;

    // Where "today" comes from: the local calendar day, or a fixed day in a test.
    std::function<double()> clock = TodaySerial;

    // Today as a day serial. A command reads it once, so that every date it writes agrees even across
    // midnight.
    double Today() const { return clock(); }
};

// The guard of every command that works from the current game's draws or statistics (Pick, the picks
// views, Check Numbers, Simulate, Lists, Charts): true when the game has draws; otherwise it says how to
// get them (type them in through Update, or import a CSV file) and gives false.
bool RequireDraws(App& app);

// The message RequireDraws shows for a game without draws.
std::string NoDrawsMessage(Game game);
inline constexpr std::string_view kNoDrawsTitle = "No Draws";

// Sends a text block to the printer the user chooses: the printer dialog (cancel ends quietly), the
// three printer settings, the text and a line end. A failed print is reported and gives false; a cancel
// is no failure.
bool PrintTextBlock(Platform& desktop, const std::string& text);

// Prints an image of a window (a chart, the picks views) on the printer the user chooses in the printer
// dialog (cancel ends quietly); a failed print is reported, and the window stays open either way.
void PrintWindowImage(Platform& desktop, Form& form);

}  // namespace quintara::ui
