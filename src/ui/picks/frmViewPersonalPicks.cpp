#include "ui/picks/frmViewPersonalPicks.h"

#include <algorithm>

#include "core/TextRules.h"

namespace quintara::ui {

frmViewPersonalPicks::frmViewPersonalPicks(App& app)
    : Form("frmViewPersonalPicks", "Quintara - View Personal Picks"), m_app(app) {
    lblTitle.font.size = 12;
    lblTitle.font.bold = true;
    for (auto* row : {&lblPointerNumber, &lblActualNumber}) {
        (*row)[0].alignment = Alignment::Center;
        (*row)[0].visible = false;
    }
    lblActualNumber[0].border = true;
    onLoad = [this] { Form_Load(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintPersonalPicks.shortcut = StandardShortcut::Print;
    mnuPrintPersonalPicks.onClick = [this] { PrintWindowImage(m_app.desktop, *this); };
}

void frmViewPersonalPicks::Form_Load() {
    caption += " - " + m_app.state.CurrentGame + " Draw";
    const auto& numbers = m_app.state.PersonalNumbers;
    for (int i = 1; i <= static_cast<int>(numbers.Size()); ++i) {
        Label& pointer = lblPointerNumber.Load(i);
        Label& number = lblActualNumber.Load(i);
        const int shift = (i - 1) * kPairWidth;
        pointer.left += shift;
        number.left += shift;
        pointer.caption = std::to_string(i);
        number.caption = SignBlank(numbers[static_cast<std::size_t>(i)]);
        pointer.visible = number.visible = true;
    }
    const int rowEnd = lblPointerNumber[0].left + static_cast<int>(numbers.Size()) * kPairWidth;
    SetScaleSize(std::max(4500, rowEnd + 240), 1860);
}

}  // namespace quintara::ui
