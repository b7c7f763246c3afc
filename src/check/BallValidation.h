#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "check/CheckLines.h"
#include "core/Games.h"

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

// What leaving a check box does: nothing, or a message under kInputErrorTitle, after which the box is
// emptied or keeps its text, and the focus stays in it.
struct BallVerdict {
    bool cancel = false;
    bool emptyBox = false;
    std::string message;
};

// Checks box `position` (1..6 for txtBall1..txtBall6, 7 for txtBonusBall) of `boxes`. Text that is no
// number gives the range message and empties the box; a value outside 1 to the game's highest ball gives
// the range message and keeps the text; a number equal to one in a box before it gives the duplicate
// message and empties the box. Numbers are compared after rounding half to even, so "07" after "7" and
// "3.5" after "4" are refused.
BallVerdict ValidateBall(Game game, const CheckBoxes& boxes, int position);

// A refusal of the whole set of boxes, at the first box at fault in box order.
struct BoxesRefusal {
    int position = 0;  // 1..7
    std::string title;
    std::string message;
};

// Every shown box as the window checks them before a check: an empty box gives the empty-box guard, any
// other fault the box's own message. Nothing when the numbers may be checked.
std::optional<BoxesRefusal> ValidateBoxes(Game game, const CheckBoxes& boxes);

}  // namespace quintara
