#include "ui/start/frmAbout.h"

#include "core/Product.h"

namespace quintara::ui {

frmAbout::frmAbout(App& app) : Form("frmAbout", std::string("About Quintara ") + kVersion) {
    imgLogo.picture = app.ProgramFile("about.png").string();
    imgLogo.stretch = true;
    lblTitle.font.size = 14;
    lblTitle.font.bold = true;
    lblWebAddress.caption = "Web: " + std::string(kProductWebAddress);
    lblSupportEmail.caption = "Support: " + std::string(kSupportEmailAddress);
    cmdOK.isDefault = true;
    cmdOK.isCancel = true;
    SetScaleSize(5820, 3780);
    lblWebAddress.onClick = [&app] { app.desktop.ShellOpen(kProductWebAddress); };
    cmdOK.onClick = [this] { Unload(); };
}

}  // namespace quintara::ui
