#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formkit/Element.h"

namespace quintara::ui {

enum class Alignment { Left, Right, Center };

struct LabelState {
    std::string caption;
    Alignment alignment = Alignment::Left;
    bool border = false;
};

// A caption on the window; clickable where the form gives it a click reaction (a web link).
class Label : public Element, public LabelState {
public:
    Label(Form* owner, std::string name, std::string caption = {}, Geometry bounds = {});
    Label(const Label& design, CloneTag tag) : Element(design, tag), LabelState(design) {}
    ElementKind Kind() const override { return ElementKind::Label; }
};

struct TextBoxState {
    std::string text;
    bool multiLine = false;  // read when the widget is made: set it before the window is first shown
    bool locked = false;     // shown, selectable, not editable
    Alignment alignment = Alignment::Left;
    int maxLength = 0;  // 0: no limit
};

// A box the user types into; typing raises its change reaction, leaving it its validate reaction.
class TextBox : public Element, public TextBoxState {
public:
    TextBox(Form* owner, std::string name, std::string text = {}, Geometry bounds = {});
    TextBox(const TextBox& design, CloneTag tag) : Element(design, tag), TextBoxState(design) {}
    ElementKind Kind() const override { return ElementKind::TextBox; }
    bool Focusable() const override { return true; }

    // The user types: the box takes the focus (which may run the check of the box left), then the
    // text becomes newText and the change reaction runs if the text changed.
    bool UserTypes(std::string_view newText);
};

// A drop-down list; selecting a position, from code or by the user, raises its click reaction.
class ComboBox : public Element {
public:
    ComboBox(Form* owner, std::string name, Geometry bounds = {});
    ComboBox(const ComboBox& design, CloneTag tag);
    ElementKind Kind() const override { return ElementKind::ComboBox; }
    bool Focusable() const override { return true; }

    // An editable box also takes typed text; otherwise its text is always the selected item's.
    // Read when the widget is made: set it before the window is first shown.
    bool editable = false;

    // Removes every item and the selection; raises nothing.
    void Clear();
    void AddItem(std::string item);
    void RemoveItem(int position);
    int ListCount() const { return static_cast<int>(m_items.size()); }
    const std::string& List(int position) const;
    const std::vector<std::string>& Items() const { return m_items; }

    int ListIndex() const { return m_listIndex; }
    // Selects the item at position (0-based) and raises the click reaction, as a selection made by the
    // user does; -1 clears the selection without a reaction. Throws std::out_of_range for other values.
    void SetListIndex(int position);

    // The selected item, or what was typed into an editable box.
    const std::string& Text() const { return m_text; }
    // Sets the text of an editable box from code; raises nothing.
    void SetText(std::string text);

    // The user picks an item from the list: focus first, then SetListIndex.
    bool UserSelects(int position);
    // The user types into an editable box: focus first, then the change reaction.
    bool UserTypes(std::string_view newText);

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
    std::string m_text;
};

struct CommandButtonState {
    std::string caption;
    bool isDefault = false;  // pressed by Enter anywhere on its window
    bool isCancel = false;   // pressed by Esc anywhere on its window
};

// A push button; the user's click first moves the focus to it.
class CommandButton : public Element, public CommandButtonState {
public:
    CommandButton(Form* owner, std::string name, std::string caption = {}, Geometry bounds = {});
    CommandButton(const CommandButton& design, CloneTag tag)
        : Element(design, tag), CommandButtonState(design) {}
    ElementKind Kind() const override { return ElementKind::CommandButton; }
    bool Focusable() const override { return true; }
};

// The desktop's own keys for the commands every program has; the menu shows them beside the caption.
enum class StandardShortcut { None, Open, Save, Print, Quit, HelpContents };

struct MenuItemState {
    std::string caption;  // "-" makes the item a separator
    bool checked = false;
    StandardShortcut shortcut = StandardShortcut::None;
    // The caption is a file's name, shown as it is: an "&" in it is a character, not an access key.
    bool literalCaption = false;
};

// An item of the window's menu bar: a top-level menu (no parent), a command or a separator.
// Geometry does not apply. Items appear in the order the form declares them.
class MenuItem : public Element, public MenuItemState {
public:
    MenuItem(Form* owner, std::string name, std::string caption, MenuItem* parent = nullptr);
    MenuItem(const MenuItem& design, CloneTag tag)
        : Element(design, tag), MenuItemState(design), m_parent(design.m_parent) {}
    ElementKind Kind() const override { return ElementKind::MenuItem; }

    MenuItem* Parent() const { return m_parent; }
    bool IsSeparator() const { return caption == "-"; }
    // A command can only be chosen while every menu above it is shown and enabled too.
    bool Usable() const override;

private:
    MenuItem* m_parent;
};

struct RichTextBoxState {
    std::string text;  // plain text of any length, lines ending in CR LF
    bool locked = false;
};

// A multi-line box holding a report or listing as plain text.
class RichTextBox : public Element, public RichTextBoxState {
public:
    RichTextBox(Form* owner, std::string name, Geometry bounds = {});
    RichTextBox(const RichTextBox& design, CloneTag tag) : Element(design, tag), RichTextBoxState(design) {}
    ElementKind Kind() const override { return ElementKind::RichTextBox; }
    bool Focusable() const override { return true; }

    bool UserTypes(std::string_view newText);
};

struct ImageState {
    std::string picture;   // path of the picture file; empty shows nothing
    bool stretch = false;  // scale the picture to the element's size
};

// A picture on the window.
class Image : public Element, public ImageState {
public:
    Image(Form* owner, std::string name, std::string picture = {}, Geometry bounds = {});
    Image(const Image& design, CloneTag tag) : Element(design, tag), ImageState(design) {}
    ElementKind Kind() const override { return ElementKind::Image; }
};

// The content of a bar chart: rows of bars (one colour each) over labelled columns.
struct ChartData {
    std::string title;
    std::vector<std::string> rowLabels;
    std::vector<std::string> columnLabels;
    std::vector<std::optional<double>> values;  // row by row; a cell never set holds nothing
    bool operator==(const ChartData&) const = default;
};

// A two-dimensional bar chart. Rows and columns count from 1.
class Chart : public Element {
public:
    Chart(Form* owner, std::string name, Geometry bounds = {});
    Chart(const Chart& design, CloneTag tag) : Element(design, tag), m_data(design.m_data) {}
    ElementKind Kind() const override { return ElementKind::Chart; }

    void SetTitle(std::string title) { m_data.title = std::move(title); }
    // Empties the chart and gives it rows x columns unset cells with empty labels.
    void SetSize(int rows, int columns);
    void SetValue(int row, int column, double value);
    void SetRowLabel(int row, std::string label);
    void SetColumnLabel(int column, std::string label);

    int Rows() const { return static_cast<int>(m_data.rowLabels.size()); }
    int Columns() const { return static_cast<int>(m_data.columnLabels.size()); }
    std::optional<double> Value(int row, int column) const;
    const ChartData& Data() const { return m_data; }

private:
    std::size_t Position(int number, int count, const char* what) const;
    std::size_t Cell(int row, int column) const;
    ChartData m_data;
};

}  // namespace quintara::ui
