#include "formkit/Elements.h"

#include <stdexcept>

#include "formkit/Form.h"

namespace quintara::ui {

namespace {

void Place(Element& element, const Geometry& bounds) {
    element.Move(bounds.left, bounds.top, bounds.width, bounds.height);
}

}  // namespace

Label::Label(Form* owner, std::string name, std::string initialCaption, Geometry bounds)
    : Element(owner, std::move(name)), LabelState{std::move(initialCaption)} {
    Place(*this, bounds);
}

TextBox::TextBox(Form* owner, std::string name, std::string initialText, Geometry bounds)
    : Element(owner, std::move(name)), TextBoxState{std::move(initialText)} {
    Place(*this, bounds);
}

bool TextBox::UserTypes(std::string_view newText) {
    return TypeInto(text, locked, newText);
}

ComboBox::ComboBox(Form* owner, std::string name, Geometry bounds) : Element(owner, std::move(name)) {
    Place(*this, bounds);
}

ComboBox::ComboBox(const ComboBox& design, CloneTag tag)
    : Element(design, tag),
      editable(design.editable),
      m_items(design.m_items),
      m_listIndex(design.m_listIndex),
      m_text(design.m_text) {}

void ComboBox::Clear() {
    m_items.clear();
    m_listIndex = -1;
    m_text.clear();
}

void ComboBox::AddItem(std::string item) {
    m_items.push_back(std::move(item));
}

void ComboBox::RemoveItem(int position) {
    List(position);  // range check
    m_items.erase(m_items.begin() + position);
    if (m_listIndex == position) {
        m_listIndex = -1;
        if (!editable) {
            m_text.clear();
        }
    } else if (m_listIndex > position) {
        --m_listIndex;
    }
}

const std::string& ComboBox::List(int position) const {
    if (position < 0 || position >= ListCount()) {
        throw std::out_of_range(Id() + " has no item " + std::to_string(position));
    }
    return m_items[static_cast<std::size_t>(position)];
}

void ComboBox::SetListIndex(int position) {
    if (position == -1) {
        m_listIndex = -1;
        if (!editable) {
            m_text.clear();
        }
        return;
    }
    m_text = List(position);
    m_listIndex = position;
    Click();
}

void ComboBox::SetText(std::string text) {
    m_text = std::move(text);
}

bool ComboBox::UserSelects(int position) {
    if (!Usable() || position < 0 || position >= ListCount() || !UserFocus()) {
        return false;
    }
    SetListIndex(position);
    return true;
}

bool ComboBox::UserTypes(std::string_view newText) {
    if (!Usable() || !editable || !UserFocus()) {
        return false;
    }
    if (m_text != newText) {
        m_text = newText;
        m_listIndex = -1;
        RaiseChange();
    }
    return true;
}

CommandButton::CommandButton(Form* owner, std::string name, std::string initialCaption, Geometry bounds)
    : Element(owner, std::move(name)), CommandButtonState{std::move(initialCaption)} {
    Place(*this, bounds);
}

MenuItem::MenuItem(Form* owner, std::string name, std::string initialCaption, MenuItem* parent)
    : Element(owner, std::move(name)), MenuItemState{std::move(initialCaption)}, m_parent(parent) {}

bool MenuItem::Usable() const {
    return visible && enabled && (m_parent == nullptr || m_parent->Usable());
}

RichTextBox::RichTextBox(Form* owner, std::string name, Geometry bounds) : Element(owner, std::move(name)) {
    Place(*this, bounds);
}

bool RichTextBox::UserTypes(std::string_view newText) {
    return TypeInto(text, locked, newText);
}

Image::Image(Form* owner, std::string name, std::string initialPicture, Geometry bounds)
    : Element(owner, std::move(name)), ImageState{std::move(initialPicture)} {
    Place(*this, bounds);
}

Chart::Chart(Form* owner, std::string name, Geometry bounds) : Element(owner, std::move(name)) {
    Place(*this, bounds);
}

void Chart::SetSize(int rows, int columns) {
    if (rows < 0 || columns < 0) {
        throw std::out_of_range(Id() + ": a chart cannot have " + std::to_string(rows) + " x " +
                                std::to_string(columns) + " cells");
    }
    m_data.rowLabels.assign(static_cast<std::size_t>(rows), {});
    m_data.columnLabels.assign(static_cast<std::size_t>(columns), {});
    m_data.values.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), std::nullopt);
}

std::size_t Chart::Position(int number, int count, const char* what) const {
    if (number < 1 || number > count) {
        throw std::out_of_range(Id() + " has no " + what + " " + std::to_string(number));
    }
    return static_cast<std::size_t>(number - 1);
}

std::size_t Chart::Cell(int row, int column) const {
    return Position(row, Rows(), "row") * m_data.columnLabels.size() + Position(column, Columns(), "column");
}

void Chart::SetValue(int row, int column, double value) {
    m_data.values[Cell(row, column)] = value;
}

void Chart::SetRowLabel(int row, std::string label) {
    m_data.rowLabels[Position(row, Rows(), "row")] = std::move(label);
}

void Chart::SetColumnLabel(int column, std::string label) {
    m_data.columnLabels[Position(column, Columns(), "column")] = std::move(label);
}

std::optional<double> Chart::Value(int row, int column) const {
    return m_data.values[Cell(row, column)];
}

}  // namespace quintara::ui
