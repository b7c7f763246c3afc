#include "ui/frmPersonalPicks.h"

#include "core/TextRules.h"
#include "ui/frmQuintara.h"

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
    const Game game = m_app.state.CurrentGameId();
    const int highest = Info(game).maxBall;
    const std::string range =
        "Please enter a Number between 1 and " + std::to_string(highest) + " in each box";
    // The numbers become the personal numbers only once every box has passed, so that abandoning the
    // window leaves the numbers of the last accepted entry.
    OneBased<std::int16_t> numbers(static_cast<std::size_t>(m_count));
    for (int i = 1; i <= m_count; ++i) {
        const std::string& text = txtBall[i].text;
        if (text.empty()) {
            m_app.desktop.MsgBox("Please enter Numbers in all boxes", "Missing Numbers(s)");
            return;
        }
        const auto value = ToInteger(text);
        if (!value || *value < 1 || *value > highest) {
            Refuse(i, range, "Incorrect Number");
            return;
        }
        for (int earlier = 1; earlier < i; ++earlier) {
            if (txtBall[earlier].text == text) {
                Refuse(i, "Please enter a different Number in each box", "Number Same");
                return;
            }
        }
        numbers[static_cast<std::size_t>(i)] = *value;
    }
    m_app.state.PersonalNumbers = std::move(numbers);
    if (auto* main = m_app.forms.Find<frmQuintara>()) {
        main->EnterPersonalPicksMode();
    }
    Unload();
}

void frmPersonalPicks::Refuse(int i, std::string_view text, std::string_view title) {
    m_app.desktop.MsgBox(text, title);
    txtBall[i].text.clear();
    txtBall[i].SetFocus();
}

}  // namespace quintara::ui
