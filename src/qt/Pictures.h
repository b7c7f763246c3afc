#pragma once

#include <string>

class QLabel;

namespace quintara {

// Starts reading the picture of a file on a thread of its own, for a window about to be shown: its
// decoding then overlaps the making of that window instead of delaying it.
void PrefetchPicture(const std::string& path);

// Shows the picture of a file in a label, stretched or not: now, or when a prefetch of it under way is
// done (the label shows nothing until then).
void ShowPicture(QLabel& label, const std::string& path, bool stretch);

}  // namespace quintara
