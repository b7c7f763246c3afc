#include "ui/simulate/frmNumberOfDraws.h"

#include "core/Draws.h"
#include "formkit/CaptionFit.h"
#include "simulate/Simulation.h"
#include "ui/Refusals.h"

namespace quintara::ui {

frmNumberOfDraws::frmNumberOfDraws(App& app, std::function<void(std::int16_t)> run)
    : Form("frmNumberOfDraws", "Number Of Draws"), m_app(app), m_run(std::move(run)) {
    cmdCheck.isDefault = true;
    closesOnEscape = true;
    txtNumberOfDraws.alignment = Alignment::Center;
    SetScaleSize(5640, 1380);
    onLoad = [this] {
        lblDisplay.caption = "Enter Number of Draws to check Final Numbers against";
        caption += " - " + m_app.state.CurrentGame + " Draw";
        WidenToCaption(*this);
        left = (m_app.desktop.ScreenWidth() - width) / 2;
        top = (m_app.desktop.ScreenHeight() - height) / 2;
    };
    onUnload = [this] { ShowSimulationReport = false; };
    cmdCheck.onClick = [this] { cmdCheck_Click(); };
}

void frmNumberOfDraws::cmdCheck_Click() {
    const AppState& state = m_app.state;
    const auto drawCount = WithDrawRecord(state.CurrentGameId(), [&]<class Rec>(RecordTag<Rec>) {
        return static_cast<std::int32_t>(state.Draws<Rec>().Size());
    });
    const Expected<std::int16_t> check = CheckNumberOfDraws(txtNumberOfDraws.text, drawCount);
    if (!check) {
        const Refusal& refusal = check.error();
        ShowRefusal(m_app.desktop, refusal);
        if (refusal.emptyBox) {
            txtNumberOfDraws.text.clear();
        }
        if (refusal.box != 0) {
            txtNumberOfDraws.SetFocus();
        }
        return;
    }
    // Hidden first: that ends the modal showing, and the starting command goes on once the run is over.
    Hide();
    if (m_run) {
        m_run(*check);
    }
}

}  // namespace quintara::ui
