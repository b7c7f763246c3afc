#pragma once

#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// Walking the draws of the main window, the matches of a search, the lines and the winning lines, and
// the number and date searches.
class BrowseCommands {
public:
    BrowseCommands(App& app, MainWindow& main) : m_app(app), m_main(main), m_state(app.state) {}
    BrowseCommands(const BrowseCommands&) = delete;
    BrowseCommands& operator=(const BrowseCommands&) = delete;

    // A move of the occurrence buttons.
    enum class Step { First, Previous, Next, Last };

    void BindTo(MainWindow& main);

    void cmdBOF_Click();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdEOF_Click();
    void WalkOccurrences(Step step);
    void cmdFirstOccurance_Click() { WalkOccurrences(Step::First); }
    void cmdPreviousOccurance_Click() { WalkOccurrences(Step::Previous); }
    void cmdNextOccurance_Click() { WalkOccurrences(Step::Next); }
    void cmdLastOccurance_Click() { WalkOccurrences(Step::Last); }
    void cmdNumberSearch_Click();
    void cmdDateSearch_Click();

private:
    App& m_app;
    MainWindow& m_main;
    AppState& m_state;
};

}  // namespace quintara::ui
