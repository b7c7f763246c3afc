#pragma once

#include <string_view>

#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// The manual's page on what the statistics can and cannot tell a player, which the simulation report, the
// frequency chart and list and the wheel guarantees link to.
inline constexpr std::string_view kChancesHelpFile = "\\Chances.html";

// Opens that page in the help window; says so when it cannot be read.
void ShowChancesHelp(App& app);

// Opens the manual in the help window at a section ("" for its start); says so when it cannot be read.
void ShowManual(App& app, std::string_view section);

// The Help menu and the links: the manual, the About window, the results site, the wheels section.
class HelpCommands {
public:
    HelpCommands(App& app, MainWindow& main) : m_app(app), m_main(main) {}
    HelpCommands(const HelpCommands&) = delete;
    HelpCommands& operator=(const HelpCommands&) = delete;

    void BindTo(MainWindow& main);

    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void mnuHelpVisitHomePage_Click();
    // The link under the main window: the operator's results.
    void OpenResultsSite();
    void mnuUpdateGetDefaultWheels_Click();

private:
    App& m_app;
    MainWindow& m_main;
};

}  // namespace quintara::ui
