#pragma once

#include <functional>

class QWidget;

namespace quintara {

// Runs work once the window has first been painted (right after that paint, from the event loop): for
// start-up work the first sight of the window does not need. Nothing runs if the window goes first.
void AfterFirstPaint(QWidget& window, std::function<void()> work);

}  // namespace quintara
