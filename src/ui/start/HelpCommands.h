#pragma once

#include <string_view>

#include "ui/App.h"

namespace quintara::ui {

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
