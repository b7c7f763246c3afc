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

void HelpCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<HelpCommands>>({
        {"mnuHelpContents", &HelpCommands::mnuHelpContents_Click},
        {"mnuHelpAbout", &HelpCommands::mnuHelpAbout_Click},
        {"mnuHelpVisitHomePage", &HelpCommands::mnuHelpVisitHomePage_Click},
        {"lblWebAddress", &HelpCommands::OpenResultsSite},
        {"mnuUpdateGetDefaultWheels", &HelpCommands::mnuUpdateGetDefaultWheels_Click},
    });
    BindReactions(main, *this, kReactions);
}

void HelpCommands::mnuHelpContents_Click() {
    ShowHelpFile(m_app, m_main.HelpFile());
}

void HelpCommands::mnuHelpAbout_Click() {
    m_app.forms.Get<frmAbout>(m_app).Show(ShowMode::Modal);
}

void HelpCommands::mnuHelpVisitHomePage_Click() {
    // Quintara's home is the manual it ships.
    ShowManual(m_app, {});
}

void HelpCommands::OpenResultsSite() {
    m_app.desktop.ShellOpen(kResultsSiteAddress);
}

void HelpCommands::mnuUpdateGetDefaultWheels_Click() {
    // The default wheels ship with the program; the manual says where they are and how to import others.
    ShowManual(m_app, kWheelsSection);
}

}  // namespace quintara::ui
