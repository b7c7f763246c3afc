#include "formkit/Element.h"

#include "formkit/Form.h"

namespace quintara::ui {

namespace {

std::uint64_t NextSerial() {
    static std::uint64_t last = 0;
    return ++last;
}

}  // namespace

Element::Element(Form* owner, std::string name)
    : m_owner(owner), m_name(std::move(name)), m_serial(NextSerial()) {
    m_owner->Register(this);
}

Element::Element(const Element& design, CloneTag)
    : ElementState(design), m_owner(design.m_owner), m_name(design.m_name), m_serial(NextSerial()) {
    m_owner->Register(this);
}

Element::~Element() {
    m_owner->Unregister(this);
}

std::string Element::Id() const {
    return m_index ? m_name + "(" + std::to_string(*m_index) + ")" : m_name;
}

void Element::Move(int newLeft, int newTop) {
    left = newLeft;
    top = newTop;
}

void Element::Move(int newLeft, int newTop, int newWidth, int newHeight) {
    Move(newLeft, newTop);
    width = newWidth;
    height = newHeight;
}

void Element::Click() {
    m_owner->Raise(onClick);
}

bool Element::TypeInto(std::string& text, bool locked, std::string_view newText) {
    if (!Usable() || locked || !UserFocus()) {
        return false;
    }
    if (text != newText) {
        text = newText;
        RaiseChange();
    }
    return true;
}

void Element::RaiseChange() {
    m_owner->Raise(onChange);
}

void Element::SetFocus() {
    m_owner->PlaceFocus(*this);
}

bool Element::UserFocus() {
    return m_owner->MoveFocus(*this);
}

bool Element::UserClick() {
    if (!Usable() || (Focusable() && !UserFocus())) {
        return false;
    }
    Click();
    return true;
}

}  // namespace quintara::ui
