#include "ui/start/HelpCommands.h"

#include "core/Product.h"
#include "ui/start/frmAbout.h"

namespace quintara::ui {

namespace {

void ShowHelpFile(App& app, const std::filesystem::path& helpFile) {
    if (!app.desktop.ShowHelp(helpFile.string())) {
        app.desktop.MsgBox("Unable to Load Help File. Please ensure it is in Application Directory",
                           "Unable to Load Help File");
    }
}

}  // namespace

void ShowChancesHelp(App& app) {
    ShowHelpFile(app, app.ProgramFile(kChancesHelpFile));
}

void ShowManual(App& app, std::string_view section) {
    std::string file = app.ProgramFile(kManualFile).string();
    if (!section.empty()) {
        file += "#" + std::string(section);
    }
    ShowHelpFile(app, file);
}

void HelpCommands::mnuHelpContents_Click(const std::filesystem::path& helpFile) {
    ShowHelpFile(m_app, helpFile);
}

void HelpCommands::mnuHelpAbout_Click() {
    m_app.forms.Get<frmAbout>(m_app).Show(ShowMode::Modal);
}

void HelpCommands::OpenWebPage(std::string_view address) {
    m_app.desktop.ShellOpen(address);
}

}  // namespace quintara::ui
