#include "ui/check/frmWins.h"

#include "check/CheckLines.h"
#include "ui/check/frmCheckNumbers.h"

namespace quintara::ui {

namespace {

constexpr std::string_view kReportFilter = "Text files (*.txt)|*.txt";

}  // namespace

frmWins::frmWins(App& app) : Form("frmWins", "Win"), m_app(app) {
    txtWins.multiLine = true;
    txtWins.locked = true;
    SetScaleSize(5040, 3615);
    onLoad = [this] { Form_Load(); };
    cmdPrint.onClick = [this] { PrintTextBlock(m_app.desktop, txtWins.text); };
    cmdSave.onClick = [this] { cmdSave_Click(); };
    cmdClose.onClick = [this] { Unload(); };
    cmdClose.isCancel = true;
}

void frmWins::ShowReport(const std::string& report) {
    caption = "Win - " + m_app.state.CurrentGame + " Draw";
    txtWins.text = report;
}

void frmWins::Form_Load() {
    caption = "Win - " + m_app.state.CurrentGame + " Draw";
    if (auto* checkWindow = m_app.forms.Find<frmCheckNumbers>()) {
        checkWindow->Unload();
    }
}

void frmWins::cmdSave_Click() {
    // The report is saved under the name exactly as typed: no extension is added to it.
    const std::string path = m_app.desktop.FileSaveDialogAsTyped(kReportFilter, kProposedReportName);
    if (path.empty()) {
        return;
    }
    const Expected<FileWritten> saved = SaveReport(path, m_app.state.ReportText);
    if (!saved) {
        m_app.desktop.MsgBox("The report could not be saved.\r\n" + saved.error().text, "Error");
    } else if (!saved->warning.empty()) {
        m_app.desktop.MsgBox("The report was saved.\r\n" + saved->warning, "Save");
    }
}

}  // namespace quintara::ui
