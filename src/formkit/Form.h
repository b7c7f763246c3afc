#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "formkit/Element.h"

namespace quintara::ui {

class FormManager;
class Platform;

enum class ShowMode { Modeless, Modal };
enum class WindowState { Normal, Minimized, Maximized };

// A window of the program: caption, outer size in twips, its elements and its own reactions.
//
// A form lives in a FormManager (which makes it at most once and raises its load reaction), declares
// its elements as members, `Label lblTitle{this, "lblTitle", "Caption", {left, top, width, height}};`,
// and registers its reactions in its constructor, `cmdOK.onClick = [this] { cmdOK_Click(); };`.
class Form {
public:
    // The frame the window system draws around the inner area, as the outer size counts it.
    static constexpr int kBorderTwips = 60;
    static constexpr int kTitleBarTwips = 300;
    static constexpr int kMenuBarTwips = 300;

    explicit Form(std::string name, std::string caption = {});
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& Name() const { return m_name; }

    std::string caption;
    int width = 4800;  // outer size, frame, title bar and menu bar included
    int height = 3600;
    std::optional<int> left;  // outer position on the screen; unset: centred when first shown
    std::optional<int> top;
    WindowState windowState = WindowState::Normal;
    // Escape closes the window as its close box does, when no Cancel button takes the key: for windows
    // that hold nothing the user typed and would lose.
    bool closesOnEscape = false;

    std::function<void()> onLoad;
    std::function<void()> onUnload;
    std::function<void()> onResize;  // also once when the window is first shown
    std::function<void()> onPaint;

    // Still held by its manager: not unloaded.
    bool Loaded() const { return m_manager != nullptr && !m_unloaded; }
    bool Visible() const { return m_visible; }

    // Shows the window. A modal show returns when the window is hidden or unloaded; showing a window
    // that is already shown (modeless) only brings it to the front.
    void Show(ShowMode mode = ShowMode::Modeless);
    void Hide();
    // Raises the unload reaction, closes the window and makes the manager forget the form; the next
    // use makes a new one. The object stays valid until the outermost running reaction returns.
    void Unload();
    void BringToFront();
    // Repaints the window now, inside a long piece of work.
    void Refresh();

    // The inner area below the menu bar, where elements are placed.
    int ScaleWidth() const;
    int ScaleHeight() const;
    // Sets the outer size that gives this inner area.
    void SetScaleSize(int scaleWidth, int scaleHeight);
    bool HasMenuBar() const;

    // The element holding the focus (null before the first show when nothing can take it).
    Element* ActiveControl() const { return m_active; }
    // Grows each time code, or a refused move, places the focus: a renderer then moves the real focus.
    std::uint64_t FocusRequests() const { return m_focusRequests; }

    // Every element, in declaration order; elements of control arrays created at run time follow the
    // array's other elements.
    const std::vector<Element*>& Elements() const { return m_elements; }
    // Grows when elements are added, removed or reordered.
    std::uint64_t StructureVersion() const { return m_structureVersion; }
    // By Id: "cmdOK", or "lblBall(3)" for an element of a control array. Null when absent.
    Element* Find(std::string_view id) const;
    Element* FindBySerial(std::uint64_t serial) const;
    template <class T>
    T& Get(std::string_view id) const;

    // The user closes the window (its close box): the form is unloaded.
    void UserCloses();
    // The user resizes the window to this outer size.
    void UserResizes(int newWidth, int newHeight);
    // The window system repaints the window.
    void Paint();

    Platform& Desktop() const;
    FormManager& Manager() const;

    // Runs a reaction of this form; forms the reaction unloads live until the outermost one returns.
    void Raise(const std::function<void()>& reaction);

private:
    friend class Element;
    friend class FormManager;
    template <class T>
    friend class ControlArray;

    void Register(Element* element);
    void Unregister(Element* element);
    void PlaceAfter(Element* element, const Element* anchor);
    bool MoveFocus(Element& target);
    void PlaceFocus(Element& target);
    void PlaceInitialFocus();

    std::string m_name;
    FormManager* m_manager = nullptr;
    bool m_visible = false;
    bool m_shownBefore = false;
    bool m_unloading = false;
    bool m_unloaded = false;
    std::vector<Element*> m_elements;
    std::uint64_t m_structureVersion = 0;
    Element* m_active = nullptr;
    // The element whose check is due when the focus next moves to an element causing validation:
    // the last one that had the focus before any element that does not cause validation.
    Element* m_toValidate = nullptr;
    bool m_validating = false;
    std::uint64_t m_focusRequests = 0;
};

template <class T>
T& Form::Get(std::string_view id) const {
    auto* element = dynamic_cast<T*>(Find(id));
    if (element == nullptr) {
        throw std::out_of_range(m_name + " has no element " + std::string(id) + " of that kind");
    }
    return *element;
}

}  // namespace quintara::ui
