#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Games.h"

namespace quintara::ui {

// What the commands of every subsystem may ask of the main window: its shared routines, a few intents
// on what it shows, and the binding of their reactions to its menus, buttons and boxes. The commands know
// this and never the window's elements, so that the window can change its layout and a test can stand in
// for it.
class MainWindow {
public:
    MainWindow() = default;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    virtual ~MainWindow() = default;

    // What the window is showing: which buttons walk what, the extra ball and the caption.
    enum class Mode { Draw, Pick, SavedLines, PersonalPicks, WinningLines };
    // The event of an element a command reacts to.
    enum class Event { Click, Change };

    // The shared routines.
    virtual void SetMode(Mode mode) = 0;
    virtual void LoadDraw(Game game) = 0;
    virtual void ShowDraw() = 0;
    // The current line, as the game's lines are shown.
    virtual void ShowCurrentLine() = 0;
    // The number of lines the walk covers in the current game.
    virtual int LineCount() const = 0;
    // Save, Print, Check and the two picked-numbers commands, which need lines.
    virtual void SetLineMenus(bool enabled) = 0;
    // The listing of the lines on show: the print box and the state agree.
    virtual void SetPrintListing(std::string text) = 0;
    virtual void ImportWheelFile(const std::filesystem::path& path) = 0;
    virtual void EnterPersonalPicksMode() = 0;
    // The help file the Contents command opens.
    virtual std::filesystem::path HelpFile() const = 0;
    // Repaints the window now, inside a long piece of work.
    virtual void Repaint() = 0;

    // The draw and line display.
    virtual void ShowExtraBall(bool shown) = 0;
    // Empties the balls, the extra one included.
    virtual void ClearBalls() = 0;
    // The number beside "Line Number".
    virtual void SetLineNumberCaption(std::string text) = 0;
    // The caption over the walk: what the walk buttons step through.
    virtual void SetOccurrenceCaption(std::string text) = 0;
    // Shows the caption and the buttons of the walk through a search's matches.
    virtual void ShowOccurrenceWalk() = 0;
    // Selects the ball at this position of the frequency box.
    virtual void SelectBallFrequency(int position) = 0;

    // The generator boxes. Selecting a position raises the box's click reaction, as the user's choice does.
    virtual std::string AlgorithmText() const = 0;
    virtual int AlgorithmIndex() const = 0;
    // Replaces the algorithm list without selecting any.
    virtual void SetAlgorithmList(const std::vector<std::string>& items) = 0;
    virtual void SelectAlgorithm(int position) = 0;
    virtual std::string WheelText() const = 0;
    virtual int WheelIndex() const = 0;
    virtual std::vector<std::string> WheelList() const = 0;
    // Replaces the wheel list without selecting any.
    virtual void SetWheelList(const std::vector<std::string>& items) = 0;
    virtual void SelectWheel(int position) = 0;
    virtual void EnableGeneratorBoxes(bool enabled) = 0;
    // The "please wait" line of a long run.
    virtual void ShowProcessing(bool shown) = 0;

    // Menu states.
    virtual void EnablePick(bool enabled) = 0;
    virtual void EnableQuintarasPicks(bool enabled) = 0;
    virtual void EnablePersonalPicksView(bool enabled) = 0;
    // Save, Print and Check, which a loaded lines file offers.
    virtual void EnableLoadedLinesMenus() = 0;
    // The recent files under the File menu, above a separator shown when `shown`.
    virtual void ShowRecentFiles(const std::vector<std::string>& captions, bool shown) = 0;

    // Binds a reaction to an element's event, by the element's name; a name the window lacks throws
    // std::out_of_range.
    virtual void Bind(std::string_view element, Event event, std::function<void()> reaction) = 0;
    // The recent files' items, told which one was chosen.
    virtual void BindRecentFiles(std::function<void(int index)> reaction) = 0;
};

// A row of a command class's table of reactions: the main window's element, the command's handler and
// the event it answers.
template <class Commands>
struct Reaction {
    std::string_view element;
    void (Commands::*handler)();
    MainWindow::Event event = MainWindow::Event::Click;
};

// Binds every row of a command class's table to that command object.
template <class Commands, std::size_t N>
void BindReactions(MainWindow& main, Commands& commands, const std::array<Reaction<Commands>, N>& table) {
    for (const Reaction<Commands>& row : table) {
        main.Bind(row.element, row.event, [&commands, handler = row.handler] { (commands.*handler)(); });
    }
}

}  // namespace quintara::ui
