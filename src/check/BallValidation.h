#pragma once

#include <string>
#include <string_view>

#include "check/CheckLines.h"
#include "core/Games.h"
#include "core/Refusal.h"

namespace quintara {

// Refusal of the check command outside lines mode (exclamation icon).
inline constexpr std::string_view kCheckRefusedTitle = "Check Numbers";
inline constexpr std::string_view kCheckRefusedText =
    "You must pick numbers or load saved numbers before you can check against them!";

// The title of every box message of the check window (no icon).
inline constexpr std::string_view kInputErrorTitle = "Input Error";

// The empty-box guard of the check (exclamation icon): its title and its text per game.
inline constexpr std::string_view kEnterNumbersTitle = "Enter Numbers";
std::string_view EnterNumbersText(Game game);

// "You must enter a numeric value between 1 and 49 in each box".
std::string BallRangeMessage(Game game);
// "You must enter a DIFFERENT numeric value between 1 and 49 in each box".
std::string BallDuplicateMessage(Game game);

// Checks box `position` (1..6 for txtBall1..txtBall6, 7 for txtBonusBall) of `boxes`; a refusal is a
// message under kInputErrorTitle (no icon) that returns the focus to the box, emptied or keeping its text.
// Text that is no number gives the range message and empties the box; a value outside 1 to the game's
// highest ball gives the range message and keeps the text; a number equal to one in a box before it gives
// the duplicate message and empties the box. Numbers are compared after rounding half to even, so "07"
// after "7" and "3.5" after "4" are refused.
Checked ValidateBall(Game game, const CheckBoxes& boxes, int position);

// Every shown box as the window checks them before a check, refused at the first box at fault in box
// order: an empty box gives the empty-box guard, any other fault the box's own message.
Checked ValidateBoxes(Game game, const CheckBoxes& boxes);

}  // namespace quintara
