#include "ui/start/frmSplash.h"

#include "ui/main/frmQuintara.h"

namespace quintara::ui {

frmSplash::frmSplash(App& app) : Form("frmSplash", std::string("Quintara Version ") + kVersion) {
    imgSplash.picture = app.ProgramFile(kSplashPicture).string();
    imgSplash.stretch = true;
    lblVersion.alignment = Alignment::Center;
    lblVersion.font.bold = true;
    SetScaleSize(6300, 3420);
}

void StartUp(App& app) {
    app.desktop.ProcessEvents(500);
    app.forms.Get<frmSplash>(app).Show();
    app.desktop.ProcessEvents(500);
    app.forms.Get<frmQuintara>(app).Show();
    if (auto* splash = app.forms.Find<frmSplash>()) {
        splash->Unload();
    }
}

}  // namespace quintara::ui
