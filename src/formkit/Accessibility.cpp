#include "formkit/Accessibility.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "formkit/Elements.h"
#include "formkit/Form.h"

namespace quintara::ui {

namespace {

// How far a label may stand from what it names: about two lines of text.
constexpr int kMostGap = 600;

int Right(const Element& e) {
    return e.left + e.width;
}
int Bottom(const Element& e) {
    return e.top + e.height;
}
int Overlap(int a1, int a2, int b1, int b2) {
    return std::min(a2, b2) - std::max(a1, b1);
}

bool Inside(const Element& inner, const Element& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && Right(inner) <= Right(outer) &&
           Bottom(inner) <= Bottom(outer);
}

// How far the label stands before the element, to its left on the same row or above it; nothing when
// it stands elsewhere.
std::optional<int> GapBefore(const Label& label, const Element& element) {
    if (Overlap(label.top, Bottom(label), element.top, Bottom(element)) > 0 &&
        Right(label) <= element.left + 60) {
        return std::max(0, element.left - Right(label));
    }
    if (Overlap(label.left, Right(label), element.left, Right(element)) > 0 &&
        Bottom(label) <= element.top + 60) {
        return std::max(0, element.top - Bottom(label));
    }
    return std::nullopt;
}

// The caption nearest before `element` within reach, or none.
const Label* ClosestCaption(const std::vector<const Label*>& captions, const Element& element) {
    const Label* best = nullptr;
    int bestGap = std::numeric_limits<int>::max();
    for (const Label* label : captions) {
        if (label->caption.empty()) {
            continue;
        }
        if (const auto gap = GapBefore(*label, element); gap && *gap <= kMostGap && *gap < bestGap) {
            best = label;
            bestGap = *gap;
        }
    }
    return best;
}

std::string WithoutAccelerators(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;  // "&&" is one ampersand; "&x" underlines x
        }
        text += caption[i];
    }
    return text;
}

}  // namespace

AccessibleNames::AccessibleNames(const Form& form) {
    std::vector<const Label*> labels;
    std::vector<const Image*> pictures;
    for (const Element* element : form.Elements()) {
        if (!element->visible) {
            continue;
        }
        if (const auto* label = dynamic_cast<const Label*>(element)) {
            labels.push_back(label);
        } else if (const auto* picture = dynamic_cast<const Image*>(element)) {
            pictures.push_back(picture);
        }
    }
    std::vector<const Label*> captions;  // labels that name others: not the balls themselves
    for (const Label* label : labels) {
        const auto picture = std::find_if(pictures.begin(), pictures.end(),
                                          [&](const Image* p) { return Inside(*label, *p); });
        if (picture == pictures.end()) {
            captions.push_back(label);
        } else {
            m_ballOnPicture.emplace(*picture, label);
        }
    }
    for (const Element* element : form.Elements()) {
        const ElementKind kind = element->Kind();
        const bool ball =
            kind == ElementKind::Label && !std::count(captions.begin(), captions.end(), element);
        if (!ball && kind != ElementKind::TextBox && kind != ElementKind::ComboBox &&
            kind != ElementKind::RichTextBox && kind != ElementKind::Chart) {
            continue;
        }
        if (const Label* best = ClosestCaption(captions, *element)) {
            m_headings.emplace(element, best);
        }
    }
}

const Label* AccessibleNames::HeadingOf(const Element& element) const {
    const auto heading = m_headings.find(&element);
    return heading == m_headings.end() ? nullptr : heading->second;
}

std::string AccessibleNames::NameOf(const Element& element) const {
    if (!element.accessibleName.empty()) {
        return element.accessibleName;
    }
    const auto heading = m_headings.find(&element);
    switch (element.Kind()) {
    case ElementKind::CommandButton:
        return WithoutAccelerators(static_cast<const CommandButton&>(element).caption);
    case ElementKind::Label:
        if (heading == m_headings.end()) {
            return {};
        }
        if (const auto& number = static_cast<const Label&>(element).caption; !number.empty()) {
            return heading->second->caption + ": " + number;
        }
        return heading->second->caption;
    case ElementKind::Image:
        if (const auto ball = m_ballOnPicture.find(&element); ball != m_ballOnPicture.end()) {
            return NameOf(*ball->second);
        }
        return {};
    case ElementKind::Chart:
        if (heading == m_headings.end()) {
            return static_cast<const Chart&>(element).Data().title;
        }
        break;
    default:
        break;
    }
    return heading == m_headings.end() ? std::string() : WithoutAccelerators(heading->second->caption);
}

}  // namespace quintara::ui
