#include "ui/picks/frmPickedNumbers.h"

namespace quintara::ui {

frmPickedNumbers::frmPickedNumbers(App& app) : Form("frmPickedNumbers", "Picked Numbers"), m_app(app) {
    txtPickedNumbers.locked = true;
    // The listing lines its numbers up in print zones, which only a fixed-pitch font keeps in columns;
    // the family of the program's own sans-serif face.
    txtPickedNumbers.font.name = "DejaVu Sans Mono";
    txtPickedNumbers.font.size = 9;
    SetScaleSize(12000, 6000);
    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintPickedNumbers.shortcut = StandardShortcut::Print;
    mnuPrintPickedNumbers.onClick = [this] { PrintTextBlock(m_app.desktop, txtPickedNumbers.text); };
}

void frmPickedNumbers::Form_Load() {
    caption = "Picked Numbers - " + m_app.state.CurrentGame + " Draw";
    txtPickedNumbers.text = m_app.session.PrintListing;
    left = (m_app.desktop.ScreenWidth() - width) / 2;
    top = (m_app.desktop.ScreenHeight() - height) / 2;
}

void frmPickedNumbers::Form_Resize() {
    txtPickedNumbers.Move(0, 0, ScaleWidth(), ScaleHeight());
}

}  // namespace quintara::ui
