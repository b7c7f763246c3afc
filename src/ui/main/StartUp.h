#pragma once

#include "ui/App.h"

namespace quintara::ui {

// The start-up sequence: a pause, the splash, another pause, the main window, and the splash closed.
void StartUp(App& app);

}  // namespace quintara::ui
