#include "ui/picks/frmMostLikely7Numbers.h"

#include "generate/Generator.h"
#include "ui/EngineCalls.h"
#include "ui/picks/PersonalLinesKeeper.h"

namespace quintara::ui {

frmMostLikely7Numbers::frmMostLikely7Numbers(App& app)
    : Form("frmMostLikely7Numbers", "Quintara - Quintara's Picks"), m_app(app) {
    lblTitle.font.size = 12;
    lblTitle.font.bold = true;
    for (auto* row : {&lblPointerNumber, &lblActualNumber}) {
        Label& pattern = (*row)[0];
        pattern.alignment = Alignment::Center;
        pattern.visible = false;
        row->Load(1).visible = true;
    }
    lblActualNumber[1].border = true;
    lblActualNumber[0].border = true;
    for (Label* line : {&linWheelPointers, &linGeneratedNumbers}) {
        line->themeBackColor = ThemeColor::Text;
    }
    SetScaleSize(5700, 1800);

    onLoad = [this] { Form_Load(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintPickedNumbers.shortcut = StandardShortcut::Print;
    mnuPrintPickedNumbers.onClick = [this] { PrintWindowImage(m_app.desktop, *this); };
}

void frmMostLikely7Numbers::Form_Load() {
    // Put back on every way out, the window closing itself on a failure included.
    PersonalLinesKeeper keeper(m_app.state);
    try {
        RunGenerator(m_app.state, m_app.Today());
        m_app.session.LinesMode = true;
        caption += " - " + m_app.state.CurrentGame + " Draw";
        LayOutRows();
    } catch (const std::exception&) {
        Unload();
    }
}

void frmMostLikely7Numbers::LayOutRows() {
    const auto& seven = m_app.state.SevenNumbers;
    lblPointerNumber[1].caption = "1";
    lblActualNumber[1].caption = std::to_string(seven[1]);
    for (int i = 2; i <= static_cast<int>(seven.Size()); ++i) {
        for (auto* row : {&lblPointerNumber, &lblActualNumber}) {
            const Label& previous = (*row)[i - 1];
            Label& label = row->Load(i);
            label.left = previous.left + previous.width + kGap;
            label.visible = true;
        }
        lblPointerNumber[i].caption = std::to_string(i);
        lblActualNumber[i].caption = std::to_string(seven[static_cast<std::size_t>(i)]);
    }
}

}  // namespace quintara::ui
