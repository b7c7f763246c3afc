#include "ui/frmSplash.h"

#include "ui/frmQuintara.h"

namespace quintara::ui {

namespace {

// Lets the window system catch up a fixed number of times: the program's only way of pausing.
void ProcessEvents(Platform& desktop, int times) {
    for (int i = 0; i < times; ++i) {
        desktop.DoEvents();
    }
}

}  // namespace

frmSplash::frmSplash(App& app) : Form("frmSplash", "Quintara Version 2.0") {
    imgSplash.picture = app.AppFile("splash.png").string();
    imgSplash.stretch = true;
    lblVersion.alignment = Alignment::Center;
    lblVersion.font.bold = true;
    SetScaleSize(6300, 3420);
}

void StartUp(App& app) {
    ProcessEvents(app.desktop, 500);
    app.forms.Get<frmSplash>(app).Show();
    ProcessEvents(app.desktop, 500);
    app.forms.Get<frmQuintara>(app).Show();
    if (auto* splash = app.forms.Find<frmSplash>()) {
        splash->Unload();
    }
}

}  // namespace quintara::ui
