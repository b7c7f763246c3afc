#include "ui/picks/frmWheelGuarantees.h"

#include <algorithm>

#include "check/CheckLines.h"
#include "core/TextRules.h"
#include "generate/WheelGuarantees.h"
#include "ui/start/HelpCommands.h"

namespace quintara::ui {

namespace {

constexpr int kInset = 120;
constexpr int kLinkHeight = 300;
constexpr int kHeightMargin = 1100;
constexpr std::string_view kFilter = "Text files (*.txt)|*.txt";
constexpr std::string_view kProposedName = "Wheel Guarantees";

}  // namespace

frmWheelGuarantees::frmWheelGuarantees(App& app)
    : Form("frmWheelGuarantees", "Wheel Guarantees"), m_app(app) {
    txtGuarantees.multiLine = true;
    txtGuarantees.locked = true;
    lblChancesHelp.themeForeColor = ThemeColor::Link;
    width = 7800;
    height = 5800;
    onResize = [this] { Form_Resize(); };
    lblChancesHelp.onClick = [this] { ShowChancesHelp(m_app); };
    mnuFileSave.onClick = [this] { mnuFileSave_Click(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintGuarantees.onClick = [this] { PrintTextBlock(m_app.desktop, txtGuarantees.text); };
}

void frmWheelGuarantees::Fill(const std::string& wheelItem) {
    BusyPointer busy(m_app.desktop);
    caption = "Wheel Guarantees - " + m_app.state.CurrentGame + " Draw";
    txtGuarantees.text = WheelGuaranteesReport(wheelItem, m_app.state.WheelLines, kCrLf);
}

void frmWheelGuarantees::Form_Resize() {
    const int boxWidth = std::max(width - 2 * kInset - 160, 0);
    const int boxHeight = std::max(height - kHeightMargin - kLinkHeight, 0);
    txtGuarantees.Move(kInset, kInset, boxWidth, boxHeight);
    lblChancesHelp.Move(kInset, kInset + boxHeight + 60, boxWidth, kLinkHeight);
}

void frmWheelGuarantees::mnuFileSave_Click() {
    const std::string path = m_app.desktop.FileSaveDialog(kFilter, kProposedName);
    if (path.empty()) {
        return;
    }
    const Expected<FileWritten> saved = SaveReport(path, txtGuarantees.text);
    if (!saved) {
        m_app.desktop.MsgBox("The guarantees could not be saved.\r\n" + saved.error().text, "Error");
    } else if (!saved->warning.empty()) {
        m_app.desktop.MsgBox("The guarantees were saved.\r\n" + saved->warning, "Save");
    }
}

void ShowWheelGuarantees(App& app, const std::string& wheelItem) {
    auto& window = app.forms.Get<frmWheelGuarantees>(app);
    window.Fill(wheelItem);
    window.Show();
}

}  // namespace quintara::ui
