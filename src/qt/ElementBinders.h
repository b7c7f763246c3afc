#pragma once

#include <QAction>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formkit/Elements.h"

namespace quintara {

class FormWindow;

// What a widget was last given. Comparing with it keeps bringing an unchanged window up to date cheap,
// which matters because long work does that a thousand times between two of its steps.
struct Binding {
    ui::ElementKind kind{};
    QPointer<QWidget> widget{};
    QPointer<QAction> action{};
    std::string text{};  // caption, or the text as last given to or typed into the widget
    std::vector<std::string> items{};
    std::optional<std::string> picture{};
    std::optional<ui::ChartData> chart{};
    std::optional<ui::Font> font{};
    QSize fittedSize{};  // the size the caption's font was last fitted to
    std::optional<std::uint32_t> foreColor{};
    std::optional<std::uint32_t> backColor{};
    std::optional<ui::ThemeColor> themeForeColor{};
    std::optional<ui::ThemeColor> themeBackColor{};
    bool colorsApplied = false;
    std::string accessibleName{};
    ui::StandardShortcut shortcut = ui::StandardShortcut::None;
};

// How one kind of element becomes its widget and keeps it in step.
struct ElementBinder {
    // The element's widget in the window's inner area, its signals raising the element's reactions;
    // null for a menu item, whose action the window makes with its menus.
    QWidget* (*make)(FormWindow& window, ui::Element& element);
    // Gives the widget (or menu action) what differs from the binding: the kind's own state, after the
    // window has placed, shown and enabled it.
    void (*apply)(FormWindow& window, const ui::Element& element, Binding& binding);
    // Whether the widget is still the one make would give the element as it now stands; null where it
    // always is. A widget that no longer suits is made anew.
    bool (*suits)(const ui::Element& element, const QWidget& widget) = nullptr;
};

const ElementBinder& BinderFor(ui::ElementKind kind);

}  // namespace quintara
