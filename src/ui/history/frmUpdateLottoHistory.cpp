#include "ui/history/frmUpdateLottoHistory.h"

#include <optional>
#include <variant>

#include "core/Version.h"
#include "history/HistoryUpdate.h"
#include "ui/Refusals.h"

namespace quintara::ui {

namespace {

// The turns the window system gets between the write and the reload.
constexpr int kEventTurnsBeforeReload = 500;

}  // namespace

frmUpdateLottoHistory::frmUpdateLottoHistory(App& app, MainWindow& main, Game game)
    : Form("frmUpdateLottoHistory",
           std::string("Quintara ") + kVersion + " - Update History - " + GameName(game) + " Draw"),
      m_app(app),
      m_main(main),
      m_game(game) {
    SetScaleSize(7080, 2340);
    SetGameLayout();
    cmdCancel.isCancel = true;
    // Cancel abandons whatever is typed, a bad entry included, without reporting it first.
    cmdCancel.causesValidation = false;
    txtDrawDate.maxLength = 10;
    txtBallSet.maxLength = Info(game).ballSetWidth;
    txtMachine.maxLength = Info(game).machineWidth;

    const auto boxes = BallBoxes();
    for (int box = 1; box <= kBallBoxes; ++box) {
        if (UsesBallBox(m_game, box)) {
            boxes[static_cast<std::size_t>(box - 1)]->onValidate = [this, box](bool& cancel) {
                BallBox_Validate(box, cancel);
            };
        }
    }
    txtDrawDate.onValidate = [this](bool& cancel) { txtDrawDate_Validate(cancel); };
    cmdUpdate.onClick = [this] { cmdUpdate_Click(); };
    cmdCancel.onClick = [this] { Unload(); };
    onLoad = [this] { OfferNextDraw(); };
}

void frmUpdateLottoHistory::SetGameLayout() {
    const GameInfo& info = Info(m_game);
    const GameLayout& layout = info.layout;
    lblBonusBall.visible = txtBonusBall.visible = UsesBallBox(m_game, kBallBoxes);
    lblBall6.visible = txtBall6.visible = UsesBallBox(m_game, 6);
    if (!layout.updateExtraCaption.empty()) {
        lblBonusBall.caption = std::string(layout.updateExtraCaption);
    }
    if (layout.updateExtraLabelLeft > 0) {
        lblBonusBall.left = layout.updateExtraLabelLeft;
        txtBonusBall.left = layout.updateExtraBoxLeft;
    }
}

void frmUpdateLottoHistory::OfferNextDraw() {
    const auto draws = HistoryDrawCount(m_game, m_app.appDir);
    // A history that cannot be read offers nothing; Update then asks for the number.
    txtDrawNumber.text = draws ? std::to_string(static_cast<std::int64_t>(*draws) + 1) : std::string();
    m_offeredNumber = txtDrawNumber.text;
}

std::array<TextBox*, kBallBoxes> frmUpdateLottoHistory::BallBoxes() {
    return {&txtBall1, &txtBall2, &txtBall3, &txtBall4, &txtBall5, &txtBall6, &txtBonusBall};
}

DrawEntryFields frmUpdateLottoHistory::Fields() {
    DrawEntryFields fields;
    const auto boxes = BallBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        fields.balls[i] = boxes[i]->text;
    }
    fields.drawDate = txtDrawDate.text;
    fields.ballSet = txtBallSet.text;
    fields.machine = txtMachine.text;
    fields.drawNumber = txtDrawNumber.text;
    return fields;
}

TextBox* frmUpdateLottoHistory::BoxOf(EntryBox box) {
    const int number = static_cast<int>(box);
    if (number >= 1 && number <= kBallBoxes) {
        return BallBoxes()[static_cast<std::size_t>(number - 1)];
    }
    switch (box) {
    case EntryBox::DrawDate:
        return &txtDrawDate;
    case EntryBox::BallSet:
        return &txtBallSet;
    case EntryBox::Machine:
        return &txtMachine;
    case EntryBox::DrawNumber:
        return &txtDrawNumber;
    default:
        return nullptr;
    }
}

void frmUpdateLottoHistory::BallBox_Validate(int box, bool& cancel) {
    const Checked ball = CheckBallBox(m_game, box, Fields().balls);
    if (ball) {
        return;
    }
    ShowRefusal(m_app.desktop, ball.error());
    BallBoxes()[static_cast<std::size_t>(box - 1)]->text.clear();
    cancel = true;
}

void frmUpdateLottoHistory::txtDrawDate_Validate(bool& cancel) {
    const Checked date = CheckDrawDateBox(txtDrawDate.text);
    if (date) {
        return;
    }
    if (date.error().emptyBox) {
        txtDrawDate.text.clear();
    }
    ShowRefusal(m_app.desktop, date.error());
    cancel = true;
}

void frmUpdateLottoHistory::Refuse(const Refusal& refusal) {
    TextBox* box = BoxOf(EntryBoxOf(refusal));
    if (box != nullptr && refusal.emptyBox) {
        box->text.clear();
    }
    ShowRefusal(m_app.desktop, refusal);
    if (box != nullptr) {
        box->SetFocus();
    }
}

void frmUpdateLottoHistory::cmdUpdate_Click() {
    // Put back for the question before a correction, and shown again once it is answered.
    std::optional<BusyPointer> busy(std::in_place, m_app.desktop);
    // Read now, not when the window opened: the file is the one truth about N, whatever was loaded since.
    const auto draws = HistoryDrawCount(m_game, m_app.appDir);
    if (!draws) {
        busy->Restore();
        Refuse(UpdateFailure(draws.error()));
        return;
    }
    DrawEntryFields fields = Fields();
    auto prepared = PrepareUpdate(m_game, fields, *draws);
    if (prepared) {
        if (const Checked encoded = EncodeTypedText(m_game, fields); !encoded) {
            prepared = quintara::Refuse(encoded.error());
        } else {
            prepared = PrepareUpdate(m_game, fields, *draws);
        }
    }
    if (!prepared) {
        busy->Restore();
        Refuse(prepared.error());
        return;
    }
    const UpdatePlan& plan = *prepared;
    const bool newDraw = plan.newDraw || (!m_offeredNumber.empty() && txtDrawNumber.text == m_offeredNumber);
    const auto newest = NewestDrawDate(m_game, m_app.appDir);
    if (!newest) {
        busy->Restore();
        Refuse(UpdateFailure(newest.error()));
        return;
    }
    if (const Checked follows = CheckNewDrawDate(m_game, plan, *newest); !follows) {
        busy->Restore();
        Refuse(follows.error());
        return;
    }
    if (CorrectionNeedsConfirmation({plan.drawNumber, newDraw}, *draws)) {
        busy->Restore();
        const Refusal question = CorrectionQuestion(plan.drawNumber, *draws);
        if (!m_app.desktop.AskYesNo(question.text, question.title)) {
            txtDrawNumber.SetFocus();
            return;
        }
        busy.emplace(m_app.desktop);
    }
    if (Info(m_game).ballSetWidth == 0) {
        // A number-only set shows what was stored.
        txtBallSet.text = plan.ballSetText;
    }
    // Written on the file as it is under its lock: a draw added meanwhile elsewhere stays, and this one
    // goes before it.
    const auto written = newDraw ? AddDraw(m_app.appDir, plan.record)
                                 : CorrectDraw(m_app.appDir, plan.drawNumber, plan.record);
    if (!written) {
        busy->Restore();
        Refuse(UpdateFailure(written.error()));
        return;
    }
    m_app.desktop.ProcessEvents(kEventTurnsBeforeReload);
    ReloadMainWindow();
    for (TextBox* box : BallBoxes()) {
        box->text.clear();
    }
    for (TextBox* box : {&txtDrawDate, &txtBallSet, &txtMachine}) {
        box->text.clear();
    }
    busy->Restore();
    ShowRefusal(m_app.desktop, UpdateCompleted(written->warning));
    txtDrawNumber.text = std::to_string(static_cast<std::int64_t>(written->drawNumber) + 1);
    // After a correction the number offered is the next draw to correct, not a new one.
    m_offeredNumber = written->added ? txtDrawNumber.text : std::string();
    txtBall1.SetFocus();
}

void frmUpdateLottoHistory::ReloadMainWindow() {
    // The game written, not the one the main window shows now: the user sees the draw he typed in.
    m_main.LoadDraw(m_game);
}

}  // namespace quintara::ui
