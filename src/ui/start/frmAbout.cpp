#include "ui/start/frmAbout.h"

#include "ui/start/HelpCommands.h"

namespace quintara::ui {

frmAbout::frmAbout(App& app) : Form("frmAbout", "About Quintara 2.0") {
    imgLogo.picture = app.ProgramFile("about.png").string();
    imgLogo.stretch = true;
    lblTitle.font.size = 14;
    lblTitle.font.bold = true;
    // Quintara has no web site or support address of its own: the manual it ships is where help is.
    lblWebAddress.caption = "Help: the manual, under Help > Contents";
    lblWebAddress.themeForeColor = ThemeColor::Link;
    lblSupportEmail.visible = false;
    cmdOK.isDefault = true;
    cmdOK.isCancel = true;
    SetScaleSize(5820, 3780);
    lblWebAddress.onClick = [&app] { ShowManual(app, {}); };
    cmdOK.onClick = [this] { Unload(); };
}

}  // namespace quintara::ui
