#include "ui/picks/frmPersonalPicks.h"

#include <vector>

#include "generate/PersonalNumbers.h"
#include "ui/Refusals.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

namespace {

constexpr int kColumnWidth = 900;
constexpr int kRowHeight = 720;

}  // namespace

frmPersonalPicks::frmPersonalPicks(App& app, int count)
    : Form("frmPersonalPicks", "Quintara - Personal Picks"), m_app(app), m_count(count) {
    lblBall[0].visible = false;
    txtBall[0].visible = false;
    txtBall[0].alignment = Alignment::Center;
    cmdOK.isDefault = true;
    onLoad = [this] { Form_Load(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmPersonalPicks::Form_Load() {
    caption += " - " + m_app.state.CurrentGame + " Draw";
    for (int i = 1; i <= m_count; ++i) {
        const int column = (i - 1) % kBoxesPerRow;
        const int row = (i - 1) / kBoxesPerRow;
        Label& label = lblBall.Load(i);
        label.caption = "Ball " + std::to_string(i);
        label.Move(label.left + column * kColumnWidth, label.top + row * kRowHeight);
        label.visible = true;
        TextBox& box = txtBall.Load(i);
        box.Move(box.left + column * kColumnWidth, box.top + row * kRowHeight);
        box.visible = true;
    }
    const int rows = (m_count + kBoxesPerRow - 1) / kBoxesPerRow;
    cmdOK.top = txtBall[0].top + (rows - 1) * kRowHeight + 540;
    SetScaleSize(6780, cmdOK.top + cmdOK.height + 240);
    left = (m_app.desktop.ScreenWidth() - width) / 2;
    top = (m_app.desktop.ScreenHeight() - height) / 2;
}

void frmPersonalPicks::cmdOK_Click() {
    std::vector<std::string> boxes;
    for (int i = 1; i <= m_count; ++i) {
        boxes.push_back(txtBall[i].text);
    }
    // The numbers become the personal numbers only once every box has passed, so that abandoning the
    // window leaves the numbers of the last accepted entry.
    auto checked = CheckPersonalNumbers(m_app.state.CurrentGameId(), boxes);
    if (!checked) {
        const Refusal& refusal = checked.error();
        if (refusal.box == 0) {
            ShowRefusal(m_app.desktop, refusal);
        } else {
            Refuse(refusal.box, refusal.text, refusal.title);
        }
        return;
    }
    m_app.state.PersonalNumbers = *std::move(checked);
    if (m_app.mainWindow != nullptr) {
        m_app.mainWindow->EnterPersonalPicksMode();
    }
    Unload();
}

void frmPersonalPicks::Refuse(int i, std::string_view text, std::string_view title) {
    m_app.desktop.MsgBox(text, title);
    txtBall[i].text.clear();
    txtBall[i].SetFocus();
}

}  // namespace quintara::ui
