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

// The Help menu and the web links: the manual, the About window, the home and support pages.
class HelpCommands {
public:
    HelpCommands(App& app, MainWindow& main) : m_app(app), m_main(main) {}
    HelpCommands(const HelpCommands&) = delete;
    HelpCommands& operator=(const HelpCommands&) = delete;

    void BindTo(MainWindow& main);

    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void OpenHomePage();
    // Where the history files and the default wheels are offered.
    void OpenSupportPage();

private:
    App& m_app;
    MainWindow& m_main;
};

}  // namespace quintara::ui
