#pragma once

#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// The Lists and Charts commands on the ball statistics: each asks for the main balls or the Thunderball,
// then opens its window, or brings it forward as it is when it is open.
class StatsCommands {
public:
    explicit StatsCommands(App& app) : m_app(app) {}
    StatsCommands(const StatsCommands&) = delete;
    StatsCommands& operator=(const StatsCommands&) = delete;

    void BindTo(MainWindow& main);

    void mnuListsLastDrawn_Click();
    void mnuListsThunderballLastDrawn_Click();
    void mnuListsBallAverages_Click();
    void mnuListsThunderballAverages_Click();

    void mnuFrequencyBarChart_Click();
    void mnuThunderballFrequencyBarChart_Click();
    void mnuLastDrawnBarChart_Click();
    void mnuThunderballLastDrawnBarChart_Click();
    void mnuBallAveragesBarChart_Click();
    void mnuThunderballAveragesBarChart_Click();

private:
    App& m_app;
};

}  // namespace quintara::ui
