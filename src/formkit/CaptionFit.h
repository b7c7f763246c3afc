#pragma once

#include <algorithm>
#include <string_view>

#include "formkit/Form.h"

namespace quintara::ui {

// What a title bar takes besides the caption: the window's icon and its three buttons.
inline constexpr int kTitleBarExtrasTwips = 1700;
// The average width of a character of a title bar's font (about 9 points).
inline constexpr int kCaptionCharTwips = 110;

// The outer width at which a window's caption shows whole in its title bar.
inline int CaptionFitWidth(std::string_view caption) {
    return static_cast<int>(caption.size()) * kCaptionCharTwips + kTitleBarExtrasTwips;
}

// Widens a small window whose caption would be cut ("Check Numbe...derball Draw"); never narrows one.
inline void WidenToCaption(Form& form) {
    form.width = std::max(form.width, CaptionFitWidth(form.caption));
}

}  // namespace quintara::ui
