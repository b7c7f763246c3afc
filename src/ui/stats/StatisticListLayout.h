#pragma once

#include <algorithm>

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "formkit/Platform.h"

namespace quintara::ui {

// The list windows cover the whole screen; their text box keeps a fixed margin from the window's outer
// edges, and shrinks to nothing rather than below.
inline void CoverScreen(Form& form, const Platform& desktop) {
    form.left = 0;
    form.top = 0;
    form.width = desktop.ScreenWidth();
    form.height = desktop.ScreenHeight();
}

inline void FitListBox(const Form& form, TextBox& box) {
    constexpr int kInset = 120;
    constexpr int kWidthMargin = 290;
    constexpr int kHeightMargin = 1400;
    box.Move(kInset, kInset, std::max(form.width - kWidthMargin, 0),
             std::max(form.height - kHeightMargin, 0));
}

}  // namespace quintara::ui
