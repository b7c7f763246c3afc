#include "ui/main/StartUp.h"

#include "ui/main/frmQuintara.h"
#include "ui/start/frmSplash.h"

namespace quintara::ui {

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
