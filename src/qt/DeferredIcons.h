#pragma once

namespace quintara {

// Makes the application's style read the menu bar's overflow arrow only when it is first painted. Every
// menu bar makes that button as it is made, and reading its picture is what first loads Qt's picture
// readers, a few milliseconds of the start, for a button a window wide enough for its menus never shows.
// Needs a QApplication; a second call changes nothing.
void DeferOverflowIcons();

}  // namespace quintara
