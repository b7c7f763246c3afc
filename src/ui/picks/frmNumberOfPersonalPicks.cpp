#include "ui/picks/frmNumberOfPersonalPicks.h"

#include "core/TextRules.h"
#include "formkit/CaptionFit.h"
#include "ui/picks/frmPersonalPicks.h"

namespace quintara::ui {

namespace {

constexpr std::string_view kRange = "Please enter a Number between 1 and 28";

}  // namespace

frmNumberOfPersonalPicks::frmNumberOfPersonalPicks(App& app)
    : Form("frmNumberOfPersonalPicks", "Number of Personal Picks"), m_app(app) {
    cmdOK.isDefault = true;
    closesOnEscape = true;
    txtNumberOfPersonalPicks.alignment = Alignment::Center;
    SetScaleSize(4920, 1380);
    onLoad = [this] {
        caption = "Number of Personal Picks - " + m_app.state.CurrentGame + " Draw";
        WidenToCaption(*this);
        left = (m_app.desktop.ScreenWidth() - width) / 2;
        top = (m_app.desktop.ScreenHeight() - height) / 2;
    };
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmNumberOfPersonalPicks::cmdOK_Click() {
    const std::string& text = txtNumberOfPersonalPicks.text;
    if (text.empty()) {
        m_app.desktop.MsgBox("Please enter amount of Numbers you wish to use", "No Number Entered");
        txtNumberOfPersonalPicks.SetFocus();
        return;
    }
    if (!IsNumeric(text)) {
        Refuse(kRange, "Incorrect Number");
        return;
    }
    // A number too long for an Integer is still plainly too high or too low.
    const auto count = ToInteger(text);
    const bool negative = Trim(text).starts_with('-');
    if ((count && *count > kMostPicks) || (!count && !negative)) {
        Refuse(kRange, "Number too high");
        return;
    }
    if (!count || *count < 1) {
        Refuse(kRange, "Number too low");
        return;
    }
    auto& picks = m_app.forms.Get<frmPersonalPicks>(m_app, static_cast<int>(*count));
    Unload();
    picks.Show(ShowMode::Modal);
}

void frmNumberOfPersonalPicks::Refuse(std::string_view text, std::string_view title) {
    m_app.desktop.MsgBox(text, title);
    txtNumberOfPersonalPicks.text.clear();
    txtNumberOfPersonalPicks.SetFocus();
}

}  // namespace quintara::ui
