#pragma once

#include <string>
#include <vector>

class QLabel;

namespace quintara {

// Starts reading the picture of a file on a thread of its own, for a window about to be shown: its
// decoding then overlaps the making of that window instead of delaying it.
void PrefetchPicture(const std::string& path);

// Starts reading the pictures of files on another thread, for windows about to be made. A label showing
// one of them later takes it from there if its reading is done, and otherwise reads the file itself.
void ReadAheadPictures(const std::vector<std::string>& paths);

// Shows the picture of a file in a label, stretched or not: now, or when a prefetch of it under way is
// done (the label shows nothing until then).
void ShowPicture(QLabel& label, const std::string& path, bool stretch);

}  // namespace quintara
