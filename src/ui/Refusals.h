#pragma once

#include <string_view>

#include "core/Refusal.h"
#include "formkit/Platform.h"

namespace quintara::ui {

// The message box icon of a refusal's icon.
inline MsgBoxIcon IconOf(const Refusal& refusal) {
    return refusal.icon == RefusalIcon::Exclamation ? MsgBoxIcon::Exclamation : MsgBoxIcon::None;
}

// Shows a refusal's message box as the engine worded it.
inline void ShowRefusal(Platform& desktop, const Refusal& refusal) {
    desktop.MsgBox(refusal.text, refusal.title, IconOf(refusal));
}

}  // namespace quintara::ui
