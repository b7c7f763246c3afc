#pragma once

#include <string>
#include <unordered_map>

#include "formkit/Element.h"

namespace quintara::ui {

class Label;

// Which label names each element for a screen reader: the caption beside a box, list or chart (to
// its left on the same row, or just above it), and the heading above a ball, a label lying on a
// picture. Depends only on where the elements are and which are shown, so it is worked out again only
// when that changes, not each time a caption does.
class AccessibleNames {
public:
    AccessibleNames() = default;
    explicit AccessibleNames(const Form& form);

    // What a screen reader calls the element: its own accessibleName when the form gives one; else a
    // button's caption; a box, list or chart's label beside it (a chart without one, its title); a ball
    // its heading and number, "Ball 1: 30", and the picture under a ball the same. Empty for an element
    // that needs no name (a label reads its own caption) or has nothing to be named by.
    std::string NameOf(const Element& element) const;
    // The label beside a box, list or chart, or above a ball; null when there is none.
    const Label* HeadingOf(const Element& element) const;

private:
    std::unordered_map<const Element*, const Label*> m_headings;
    // The label lying on each picture, so that the picture reads as the ball it shows.
    std::unordered_map<const Element*, const Label*> m_ballOnPicture;
};

}  // namespace quintara::ui
