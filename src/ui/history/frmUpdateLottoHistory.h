#pragma once

#include <array>

#include "core/Games.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "history/DrawEntry.h"
#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// Typing in a new draw, or a correction of an old one, for the game the window was opened for: its
// layout, its checks and the history file it writes stay that game's whatever the main window shows.
class frmUpdateLottoHistory : public Form {
public:
    frmUpdateLottoHistory(App& app, MainWindow& main, Game game);

    // Declared in the keyboard order: the ball boxes, the last box, date, set, machine, Update, Cancel
    // and the draw number last.
    Label lblDescription{
        this, "lblDescription", "Enter the Data in the correct boxes below.", {150, 150, 4500, 240}};
    Label lblDrawNumber{this, "lblDrawNumber", "Draw Number", {4560, 150, 1380, 240}};
    Label lblBall1{this, "lblBall1", "Ball 1", {150, 600, 780, 240}};
    Label lblBall2{this, "lblBall2", "Ball 2", {990, 600, 780, 240}};
    Label lblBall3{this, "lblBall3", "Ball 3", {1830, 600, 780, 240}};
    Label lblBall4{this, "lblBall4", "Ball 4", {2670, 600, 780, 240}};
    Label lblBall5{this, "lblBall5", "Ball 5", {3510, 600, 780, 240}};
    Label lblBall6{this, "lblBall6", "Ball 6", {4350, 600, 780, 240}};
    Label lblBonusBall{this, "lblBonusBall", "Bonus Ball", {5790, 600, 1000, 240}};
    Label lblDrawDate{this, "lblDrawDate", "Draw Date", {150, 1320, 1300, 240}};
    Label lblSet{this, "lblSet", "Set", {1710, 1320, 900, 240}};
    Label lblMachine{this, "lblMachine", "Machine", {2910, 1320, 1800, 240}};

    TextBox txtBall1{this, "txtBall1", "", {240, 840, 600, 315}};
    TextBox txtBall2{this, "txtBall2", "", {1080, 840, 600, 315}};
    TextBox txtBall3{this, "txtBall3", "", {1920, 840, 600, 315}};
    TextBox txtBall4{this, "txtBall4", "", {2760, 840, 600, 315}};
    TextBox txtBall5{this, "txtBall5", "", {3600, 840, 600, 315}};
    TextBox txtBall6{this, "txtBall6", "", {4440, 840, 600, 315}};
    TextBox txtBonusBall{this, "txtBonusBall", "", {5880, 840, 600, 315}};
    TextBox txtDrawDate{this, "txtDrawDate", "", {240, 1560, 1300, 315}};
    TextBox txtBallSet{this, "txtBallSet", "", {1800, 1560, 900, 315}};
    TextBox txtMachine{this, "txtMachine", "", {3000, 1560, 1800, 315}};
    CommandButton cmdUpdate{this, "cmdUpdate", "Update", {5280, 1320, 1200, 375}};
    CommandButton cmdCancel{this, "cmdCancel", "Cancel", {5280, 1800, 1200, 375}};
    TextBox txtDrawNumber{this, "txtDrawNumber", "", {6000, 120, 900, 315}};

    Game BoundGame() const { return m_game; }
    // Offers the number the next new draw gets, N + 1, from the history file as it is now.
    void OfferNextDraw();

private:
    App& m_app;
    MainWindow& m_main;
    Game m_game;
    // The number the window last offered for a new draw, if its last offer was one; left as it is, it
    // means "a new draw", even when another Quintara has added one since and the number names that draw.
    std::string m_offeredNumber;

    std::array<TextBox*, kBallBoxes> BallBoxes();
    DrawEntryFields Fields();
    TextBox* BoxOf(EntryBox box);
    void SetGameLayout();
    void BallBox_Validate(int box, bool& cancel);
    void txtDrawDate_Validate(bool& cancel);
    void cmdUpdate_Click();
    // Shows a refusal of "Update": the box emptied where the check says so, the message, the focus there.
    void Refuse(const Refusal& refusal);
    void ReloadMainWindow();
};

}  // namespace quintara::ui
