#include "formkit/Form.h"

#include <algorithm>

#include "formkit/Elements.h"
#include "formkit/FormManager.h"
#include "formkit/Platform.h"

namespace quintara::ui {

Form::Form(std::string name, std::string initialCaption)
    : caption(std::move(initialCaption)), m_name(std::move(name)) {}

Form::~Form() = default;

void Form::Show(ShowMode mode) {
    if (m_unloaded) {
        throw std::logic_error(m_name + " was unloaded; ask its manager for it again");
    }
    // Keeps this form alive through a modal show that ends with its unloading.
    FormManager::ReactionScope scope(m_manager);
    Platform& desktop = Desktop();
    if (m_visible && mode == ShowMode::Modeless) {
        desktop.BringToFront(*this);
        return;
    }
    m_visible = true;
    if (!m_shownBefore) {
        m_shownBefore = true;
        PlaceInitialFocus();
        Raise(onResize);
        if (!m_visible || m_unloaded) {
            return;
        }
    }
    desktop.ShowForm(*this, mode);
}

void Form::Hide() {
    if (!m_visible) {
        return;
    }
    m_visible = false;
    Desktop().HideForm(*this);
}

void Form::Unload() {
    if (!Loaded() || m_unloading) {
        return;
    }
    FormManager::ReactionScope scope(m_manager);
    m_unloading = true;
    Raise(onUnload);
    m_unloaded = true;
    m_visible = false;
    Desktop().UnloadForm(*this);
    m_manager->Forget(*this);
}

void Form::BringToFront() {
    if (m_visible) {
        Desktop().BringToFront(*this);
    }
}

void Form::Refresh() {
    if (m_visible) {
        Desktop().RefreshForm(*this);
    }
}

int Form::ScaleWidth() const {
    return std::max(0, width - 2 * kBorderTwips);
}

int Form::ScaleHeight() const {
    return std::max(0, height - kTitleBarTwips - 2 * kBorderTwips - (HasMenuBar() ? kMenuBarTwips : 0));
}

void Form::SetScaleSize(int scaleWidth, int scaleHeight) {
    width = scaleWidth + 2 * kBorderTwips;
    height = scaleHeight + kTitleBarTwips + 2 * kBorderTwips + (HasMenuBar() ? kMenuBarTwips : 0);
}

bool Form::HasMenuBar() const {
    return std::any_of(m_elements.begin(), m_elements.end(), [](const Element* element) {
        const auto* item = dynamic_cast<const MenuItem*>(element);
        return item != nullptr && item->Parent() == nullptr && item->visible;
    });
}

Element* Form::Find(std::string_view id) const {
    for (Element* element : m_elements) {
        if (element->Id() == id) {
            return element;
        }
    }
    return nullptr;
}

Element* Form::FindBySerial(std::uint64_t serial) const {
    for (Element* element : m_elements) {
        if (element->Serial() == serial) {
            return element;
        }
    }
    return nullptr;
}

void Form::UserCloses() {
    Unload();
}

void Form::UserResizes(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    Raise(onResize);
}

void Form::Paint() {
    Raise(onPaint);
}

Platform& Form::Desktop() const {
    return Manager().Desktop();
}

FormManager& Form::Manager() const {
    if (m_manager == nullptr) {
        throw std::logic_error(m_name + " is not held by a form manager");
    }
    return *m_manager;
}

void Form::Raise(const std::function<void()>& reaction) {
    if (!reaction) {
        return;
    }
    FormManager::ReactionScope scope(m_manager);
    // A copy, because a reaction may replace itself, or unload the element that owns it, while it runs.
    auto running = reaction;
    running();
}

void Form::Register(Element* element) {
    m_elements.push_back(element);
    ++m_structureVersion;
}

void Form::Unregister(Element* element) {
    std::erase(m_elements, element);
    if (m_active == element) {
        m_active = nullptr;
    }
    if (m_toValidate == element) {
        m_toValidate = nullptr;
    }
    ++m_structureVersion;
}

void Form::PlaceAfter(Element* element, const Element* anchor) {
    std::erase(m_elements, element);
    auto position = std::find(m_elements.begin(), m_elements.end(), anchor);
    m_elements.insert(position == m_elements.end() ? m_elements.begin() : std::next(position), element);
    ++m_structureVersion;
}

bool Form::MoveFocus(Element& target) {
    // While a check runs, its message box and the check's own focus changes own the focus.
    if (m_validating || !target.Usable() || !target.Focusable()) {
        return false;
    }
    if (&target == m_active) {
        return true;
    }
    if (target.causesValidation && m_toValidate != nullptr && m_toValidate != &target &&
        m_toValidate->onValidate) {
        Element* checked = m_toValidate;
        const auto requestsBefore = m_focusRequests;
        bool cancel = false;
        struct Checking {
            bool& flag;
            explicit Checking(bool& f) : flag(f) { flag = true; }
            ~Checking() { flag = false; }
        } checking(m_validating);
        Raise([&] { checked->onValidate(cancel); });
        if (cancel || m_focusRequests != requestsBefore) {
            // The focus goes back to the box without a second check; a check that placed the focus
            // itself has decided where it goes.
            if (cancel && m_toValidate != nullptr) {
                PlaceFocus(*m_toValidate);
            }
            return false;
        }
    }
    if (target.causesValidation || m_toValidate == nullptr) {
        m_toValidate = &target;
    }
    m_active = &target;
    return true;
}

void Form::PlaceFocus(Element& target) {
    m_active = &target;
    m_toValidate = &target;
    ++m_focusRequests;
}

void Form::PlaceInitialFocus() {
    if (m_active == nullptr) {
        auto first = std::find_if(m_elements.begin(), m_elements.end(), [](const Element* element) {
            return element->Focusable() && element->Usable();
        });
        if (first == m_elements.end()) {
            return;
        }
        m_active = *first;
        m_toValidate = *first;
    }
    ++m_focusRequests;
}

}  // namespace quintara::ui
