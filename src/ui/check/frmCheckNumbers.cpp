#include "ui/check/frmCheckNumbers.h"

#include "check/BallValidation.h"
#include "ui/check/CheckCommands.h"
#include "ui/kit/CaptionFit.h"

namespace quintara::ui {

frmCheckNumbers::frmCheckNumbers(App& app, CheckCommands& commands)
    : Form("frmCheckNumbers", "Check Numbers"), m_app(app), m_commands(commands) {
    SetScaleSize(kDesignWidth - 2 * kBorderTwips, 2040);
    for (Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7}) {
        label->alignment = Alignment::Center;
    }
    const auto boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->alignment = Alignment::Center;
        boxes[i]->onValidate = [this, position = static_cast<int>(i) + 1](bool& cancel) {
            ValidateBall(position, cancel);
        };
    }
    // Cancel abandons the entry, so a box at fault is not reported first.
    cmdCancel.causesValidation = false;
    cmdCancel.isCancel = true;
    onLoad = [this] { Form_Load(); };
    cmdCheckNumbers.onClick = [this] { cmdCheckNumbers_Click(); };
    cmdCancel.onClick = [this] { Unload(); };
}

void frmCheckNumbers::Form_Load() {
    const Game game = m_app.state.CurrentGameId();
    caption += " - " + m_app.state.CurrentGame + " Draw";
    switch (game) {
    case Game::Lotto:
        lblCheckNumbers.caption = "Enter numbers to be checked below, including Bonus Ball!";
        break;
    case Game::LottoExtra:
        lblCheckNumbers.caption = "Enter numbers to be checked below!";
        txtBonusBall.visible = Label7.visible = false;
        width = 5180;
        break;
    case Game::Thunderball:
        lblCheckNumbers.caption = "Enter numbers to be checked below!";
        txtBall6.visible = Label6.visible = txtBonusBall.visible = Label7.visible = false;
        width = 4400;
        break;
    case Game::DailyPlay:
        lblCheckNumbers.caption = "Enter numbers to be checked below!";
        Label7.caption = "Ball 7";
        Label7.left = 5000;
        txtBonusBall.left = 5170;
        width = 6050;
        break;
    }
    WidenToCaption(*this);
}

CheckBoxes frmCheckNumbers::BoxTexts() {
    CheckBoxes texts;
    const auto boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        texts[i] = boxes[i]->text;
    }
    return texts;
}

void frmCheckNumbers::ValidateBall(int position, bool& cancel) {
    const BallVerdict verdict = quintara::ValidateBall(m_app.state.CurrentGameId(), BoxTexts(), position);
    cancel = verdict.cancel;
    if (!verdict.cancel) {
        return;
    }
    m_app.desktop.MsgBox(verdict.message, kInputErrorTitle);
    if (verdict.emptyBox) {
        Boxes()[static_cast<std::size_t>(position - 1)]->text.clear();
    }
}

void frmCheckNumbers::cmdCheckNumbers_Click() {
    const Game game = m_app.state.CurrentGameId();
    const int shown = CheckBoxCount(game);
    const auto boxes = Boxes();
    for (int position = 1; position <= shown; ++position) {
        if (boxes[static_cast<std::size_t>(position - 1)]->text.empty()) {
            return;
        }
    }
    // Every box is checked again: a box edited after the ones behind it were left could now repeat one
    // of them, and one drawn number would then count twice in a line.
    for (int position = 1; position <= shown; ++position) {
        bool cancel = false;
        ValidateBall(position, cancel);
        if (cancel) {
            boxes[static_cast<std::size_t>(position - 1)]->SetFocus();
            return;
        }
    }
    const CheckBoxes texts = BoxTexts();
    Hide();
    m_commands.CheckNumbers(texts);
}

}  // namespace quintara::ui
