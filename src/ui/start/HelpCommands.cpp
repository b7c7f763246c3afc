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

void HelpCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<HelpCommands>>({
        {"mnuHelpContents", &HelpCommands::mnuHelpContents_Click},
        {"mnuHelpAbout", &HelpCommands::mnuHelpAbout_Click},
        {"mnuHelpVisitHomePage", &HelpCommands::OpenHomePage},
        {"lblWebAddress", &HelpCommands::OpenHomePage},
        {"mnuUpdateGetHistoryFiles", &HelpCommands::OpenSupportPage},
        {"mnuUpdateGetDefaultWheels", &HelpCommands::OpenSupportPage},
    });
    BindReactions(main, *this, kReactions);
}

void HelpCommands::mnuHelpContents_Click() {
    ShowHelpFile(m_app, m_main.HelpFile());
}

void HelpCommands::mnuHelpAbout_Click() {
    m_app.forms.Get<frmAbout>(m_app).Show(ShowMode::Modal);
}

void HelpCommands::OpenHomePage() {
    m_app.desktop.ShellOpen(kProductWebAddress);
}

void HelpCommands::OpenSupportPage() {
    m_app.desktop.ShellOpen(kSupportPageAddress);
}

}  // namespace quintara::ui
