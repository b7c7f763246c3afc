#include "ui/simulate/frmSimulatedWins.h"

#include <algorithm>

#include "check/CheckLines.h"
#include "core/TextRules.h"
#include "ui/start/HelpCommands.h"

namespace quintara::ui {

namespace {

constexpr int kBoxWidthMargin = 100;
constexpr int kBoxHeightMargin = 400;
constexpr int kGap = 100;
constexpr int kLinkHeight = 300;
constexpr std::string_view kReportFilter = "Text files (*.txt)|*.txt";
constexpr std::string_view kProposedName = "Simulated Wins";

}  // namespace

frmSimulatedWins::frmSimulatedWins(App& app) : Form("frmSimulatedWins", "Simulated Wins"), m_app(app) {
    txtSimulatedWins.locked = true;
    closesOnEscape = true;
    txtChance.multiLine = true;
    txtChance.locked = true;
    lblChancesHelp.themeForeColor = ThemeColor::Link;
    width = 7000 + kGap + kChanceWidth;
    height = 7600;
    onLoad = [this] {
        txtSimulatedWins.Move(0, 0);
        Form_Resize();
        Fill(m_app.state.ReportText, txtChance.text);
    };
    onResize = [this] { Form_Resize(); };
    lblChancesHelp.onClick = [this] { ShowChancesHelp(m_app); };
    mnuFileSave.onClick = [this] { mnuFileSave_Click(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintReport.onClick = [this] { PrintTextBlock(m_app.desktop, WholeText()); };
}

void frmSimulatedWins::Fill(std::string report, std::string chance) {
    caption = "Simulated Wins - " + m_app.state.CurrentGame + " Draw";
    if (m_app.state.ThunderballStatistics) {
        caption += " - Thunderball";
    }
    txtSimulatedWins.text = std::move(report);
    txtChance.text = std::move(chance);
}

std::string frmSimulatedWins::WholeText() const {
    std::string text = txtSimulatedWins.text;
    if (!txtChance.text.empty()) {
        text.append(kCrLf).append(kCrLf).append(txtChance.text);
    }
    return text;
}

void frmSimulatedWins::Form_Resize() {
    // The comparison keeps its width beside the report, which takes the rest.
    const int boxHeight = std::max(height - kBoxHeightMargin, 0);
    const int reportWidth = std::max(width - kBoxWidthMargin - kGap - kChanceWidth, 0);
    txtSimulatedWins.Move(0, 0, reportWidth, boxHeight);
    // The link heads the column, where no window frame can cut it off.
    const int chanceLeft = reportWidth + kGap;
    lblChancesHelp.Move(chanceLeft, 0, kChanceWidth, kLinkHeight);
    txtChance.Move(chanceLeft, kLinkHeight + kGap, kChanceWidth, std::max(boxHeight - kLinkHeight - kGap, 0));
}

void frmSimulatedWins::mnuFileSave_Click() {
    const std::string path = m_app.desktop.FileSaveDialog(kReportFilter, kProposedName);
    if (path.empty()) {
        return;
    }
    const Expected<FileWritten> saved = SaveReport(path, WholeText());
    if (!saved) {
        m_app.desktop.MsgBox("The report could not be saved.\r\n" + saved.error().text, "Error");
    } else if (!saved->warning.empty()) {
        m_app.desktop.MsgBox("The report was saved.\r\n" + saved->warning, "Save");
    }
}

}  // namespace quintara::ui
