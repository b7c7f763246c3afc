#include "ui/check/frmCheckNumbers.h"

#include <algorithm>

#include "check/BallValidation.h"
#include "formkit/CaptionFit.h"
#include "ui/Refusals.h"
#include "ui/check/CheckCommands.h"

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
    const GameLayout& layout = Info(game).layout;
    lblCheckNumbers.caption = std::string(layout.checkPrompt);
    // The boxes the game does not check are hidden from the right; the last one shown may be renamed.
    const std::array<Label*, 7> labels{&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7};
    const auto boxes = Boxes();
    const auto shown = static_cast<std::size_t>(CheckBoxCount(game));
    for (std::size_t i = shown; i < boxes.size(); ++i) {
        boxes[i]->visible = labels[i]->visible = false;
    }
    if (!layout.checkLastLabel.empty()) {
        labels[shown - 1]->caption = std::string(layout.checkLastLabel);
    }
    if (layout.checkLastLabelLeft > 0) {
        labels[shown - 1]->left = layout.checkLastLabelLeft;
        boxes[shown - 1]->left = layout.checkLastBoxLeft;
        // A moved label stays centred over its box, widened when its caption needs the room.
        const int centre = 2 * boxes[shown - 1]->left + boxes[shown - 1]->width;
        labels[shown - 1]->width = std::max(labels[shown - 1]->width, centre - 2 * layout.checkLastLabelLeft);
    }
    if (layout.checkWidth > 0) {
        width = layout.checkWidth;
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
    const Checked ball = quintara::ValidateBall(m_app.state.CurrentGameId(), BoxTexts(), position);
    cancel = !ball;
    if (ball) {
        return;
    }
    ShowRefusal(m_app.desktop, ball.error());
    if (ball.error().emptyBox) {
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
