#include "ui/start/HelpCommands.h"

#include "ui/start/frmAbout.h"

namespace quintara::ui {

void HelpCommands::mnuHelpContents_Click(const std::filesystem::path& helpFile) {
    if (!m_app.desktop.ShowHelp(helpFile.string())) {
        m_app.desktop.MsgBox("Unable to Load Help File. Please ensure it is in Application Directory",
                             "Unable to Load Help File");
    }
}

void HelpCommands::mnuHelpAbout_Click() {
    m_app.forms.Get<frmAbout>(m_app).Show(ShowMode::Modal);
}

void HelpCommands::OpenWebPage(std::string_view address) {
    m_app.desktop.ShellOpen(address);
}

}  // namespace quintara::ui
