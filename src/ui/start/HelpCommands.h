#pragma once

#include <string_view>

#include "ui/App.h"

namespace quintara::ui {

// The manual's page on what the statistics can and cannot tell a player, which the simulation report, the
// frequency chart and list and the wheel guarantees link to.
inline constexpr std::string_view kChancesHelpFile = "\\Chances.html";

// Opens that page in the help window; says so when it cannot be read.
void ShowChancesHelp(App& app);

// Opens the manual in the help window at a section ("" for its start); says so when it cannot be read.
void ShowManual(App& app, std::string_view section);

// The Help menu and the web links: the manual, the About window, the home and support pages.
class HelpCommands {
public:
    explicit HelpCommands(App& app) : m_app(app) {}

    void mnuHelpContents_Click(const std::filesystem::path& helpFile);
    void mnuHelpAbout_Click();
    void OpenWebPage(std::string_view address);

private:
    App& m_app;
};

}  // namespace quintara::ui
