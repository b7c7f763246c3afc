#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quintara::ui {

class Form;
template <class T>
class ControlArray;

// A rectangle in twips (1/1440 inch), the unit of every window and element position.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The font of an element; an empty name or a zero size takes the window's default.
struct Font {
    std::string name;
    double size = 0;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// Colours of the desktop's theme, for what must follow it: a fixed colour vanishes under some theme.
enum class ThemeColor { Text, Link };

enum class ElementKind { Label, TextBox, ComboBox, CommandButton, MenuItem, RichTextBox, Image, Chart };

// What every element shows, kept apart so that a control array can copy it into the elements it creates.
struct ElementState {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;
    Font font;
    std::optional<std::uint32_t> foreColor;  // 0xRRGGBB; unset keeps the window's colours
    std::optional<std::uint32_t> backColor;
    // Theme colours, used where the fixed ones above are unset.
    std::optional<ThemeColor> themeForeColor;
    std::optional<ThemeColor> themeBackColor;
    // Whether the focus arriving here runs the check of the box it leaves. A Cancel button turns it
    // off, so that a bad entry can be abandoned without being reported first.
    bool causesValidation = true;
    // What a screen reader calls the element where the label beside it or its caption would not say
    // it well ("<<" for the first draw); empty lets AccessibleNames find the name.
    std::string accessibleName;
};

// Lets control arrays, and only them, use the elements' cloning constructors.
class CloneTag {
    CloneTag() = default;
    template <class T>
    friend class ControlArray;
};

// A named view element of a form: plain state, and the reactions the form registers for it.
//
// Code changes the state by assigning the fields; that never raises a reaction. The User...() members
// act as the user does (through the renderer or a test) and raise what the user's action raises.
class Element : public ElementState {
public:
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
    virtual ~Element();

    virtual ElementKind Kind() const = 0;
    const std::string& Name() const { return m_name; }
    std::optional<int> Index() const { return m_index; }
    // The name, followed by "(index)" for an element of a control array; unique within the form.
    std::string Id() const;
    Form& Owner() const { return *m_owner; }
    // Identifies the element for the life of the program; addresses are reused, serials never.
    std::uint64_t Serial() const { return m_serial; }

    void Move(int newLeft, int newTop);
    void Move(int newLeft, int newTop, int newWidth, int newHeight);
    Geometry Bounds() const { return {left, top, width, height}; }

    std::function<void()> onClick;
    std::function<void()> onChange;
    // Runs when the focus is about to leave the element; setting cancel keeps the focus here.
    std::function<void(bool& cancel)> onValidate;

    // Runs the click reaction as the program's own code does: no focus move, no enabled check.
    void Click();
    // Puts the focus here from code; the element that had it is not checked.
    void SetFocus();

    virtual bool Focusable() const { return false; }
    // Shown and enabled, so the user can reach it.
    virtual bool Usable() const { return visible && enabled; }

    // The user moves the focus here. First the element waiting for its check is checked (unless this
    // element does not cause validation); false when that check refused to let the focus go.
    bool UserFocus();
    // The user clicks the element: the focus moves first where it can rest here, and the click is lost
    // when the move is refused. False when nothing was clicked.
    bool UserClick();

protected:
    Element(Form* owner, std::string name);
    Element(const Element& design, CloneTag);
    void RaiseChange();
    // The user types newText into this element's `text`: focus first, then the change reaction when the
    // text differs. False when the element cannot take typing or the focus could not come here.
    bool TypeInto(std::string& text, bool locked, std::string_view newText);

private:
    template <class T>
    friend class ControlArray;

    Form* m_owner;
    std::string m_name;
    std::optional<int> m_index;
    std::uint64_t m_serial;
};

}  // namespace quintara::ui
