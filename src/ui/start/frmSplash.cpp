#include "ui/start/frmSplash.h"

namespace quintara::ui {

frmSplash::frmSplash(App& app) : Form("frmSplash", std::string("Quintara Version ") + kVersion) {
    imgSplash.picture = app.ProgramFile(kSplashPicture).string();
    imgSplash.stretch = true;
    lblVersion.alignment = Alignment::Center;
    lblVersion.font.bold = true;
    SetScaleSize(6300, 3420);
}

}  // namespace quintara::ui
