#pragma once

#include <array>

#include "check/CheckLines.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

class CheckCommands;

// Takes the numbers of a draw, one box per ball, checks each box as it is left and hands the numbers to
// the check.
class frmCheckNumbers : public Form {
public:
    // The window as designed, wide enough for Lotto's bonus ball.
    static constexpr int kDesignWidth = 6500;

    frmCheckNumbers(App& app, CheckCommands& commands);

    Label lblCheckNumbers{this, "lblCheckNumbers", "", {240, 120, 6000, 300}};
    Label Label1{this, "Label1", "Ball 1", {70, 600, 955, 240}};
    Label Label2{this, "Label2", "Ball 2", {850, 600, 955, 240}};
    Label Label3{this, "Label3", "Ball 3", {1630, 600, 955, 240}};
    Label Label4{this, "Label4", "Ball 4", {2410, 600, 955, 240}};
    Label Label5{this, "Label5", "Ball 5", {3190, 600, 955, 240}};
    Label Label6{this, "Label6", "Ball 6", {3970, 600, 955, 240}};
    Label Label7{this, "Label7", "Bonus Ball", {5330, 600, 955, 240}};
    TextBox txtBall1{this, "txtBall1", "", {240, 840, 615, 315}};
    TextBox txtBall2{this, "txtBall2", "", {1020, 840, 615, 315}};
    TextBox txtBall3{this, "txtBall3", "", {1800, 840, 615, 315}};
    TextBox txtBall4{this, "txtBall4", "", {2580, 840, 615, 315}};
    TextBox txtBall5{this, "txtBall5", "", {3360, 840, 615, 315}};
    TextBox txtBall6{this, "txtBall6", "", {4140, 840, 615, 315}};
    TextBox txtBonusBall{this, "txtBonusBall", "", {5500, 840, 615, 315}};
    CommandButton cmdCheckNumbers{this, "cmdCheckNumbers", "C&heck Numbers", {240, 1440, 1800, 375}};
    CommandButton cmdCancel{this, "cmdCancel", "&Cancel", {2160, 1440, 1200, 375}};

    // The boxes in box order: txtBall1..txtBall6, txtBonusBall.
    std::array<TextBox*, 7> Boxes() {
        return {&txtBall1, &txtBall2, &txtBall3, &txtBall4, &txtBall5, &txtBall6, &txtBonusBall};
    }
    // Their texts, in the same order.
    CheckBoxes BoxTexts();

private:
    App& m_app;
    CheckCommands& m_commands;

    void Form_Load();
    // The box at `position` (1..7) is being left: its check, its message, and whether the focus stays.
    void ValidateBall(int position, bool& cancel);
    void cmdCheckNumbers_Click();
};

}  // namespace quintara::ui
