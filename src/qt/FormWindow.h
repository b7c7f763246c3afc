#pragma once

#include <QEventLoop>
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "formkit/Accessibility.h"
#include "formkit/Form.h"
#include "qt/ElementBinders.h"

class QMenu;

namespace quintara {

class FormRenderer;

// The window of one form: a menu bar over an inner area holding the elements' widgets.
class FormWindow : public QMainWindow {
public:
    FormWindow(FormRenderer& renderer, ui::Form& form);

    ui::Form* Form() const { return m_form; }
    // The form is gone: the window no longer touches it.
    void Detach() { m_form = nullptr; }
    void Sync();
    void ShowAsForm();
    ui::Element* ElementOf(QWidget* widget) const;

    // For the binders: the area the widgets sit in, their bindings and the element's own font.
    QWidget& Content() const { return *m_content; }
    Binding& BindingOf(std::uint64_t serial) { return m_bindings.at(serial); }
    QFont FontOf(const ui::Element& element) const;
    // The user acted on the element: runs the action on it (if it still exists), then updates every window.
    void OnUser(std::uint64_t serial, const std::function<void(ui::Element&)>& action);

    std::vector<QEventLoop*> modalLoops;  // innermost last

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    void RebuildMenus();
    void AddMenuItem(QWidget* container, ui::MenuItem& item,
                     const std::unordered_map<const ui::MenuItem*, std::vector<ui::MenuItem*>>& children);
    void MakeWidget(ui::Element& element);
    void Apply(ui::Element& element, Binding& binding);
    // Gives the element a new widget, in place of one that no longer suits it.
    void Remake(ui::Element& element);
    void Discard(Binding& binding);
    void ApplyGeometry();
    // Gives every widget the name a screen reader reads for its element.
    void ApplyAccessibleNames();
    void ApplyFocus(bool force);
    // Menus that do not fit the width get a smaller font, rather than hiding behind a chevron.
    void FitMenuBar(int width);
    int MenuBarHeight(int width) const;
    // Presses the Cancel (Escape) or default (Enter) button; false when the window has none usable.
    bool PressButton(bool cancel);

    FormRenderer& m_renderer;
    ui::Form* m_form;
    std::string m_caption;
    QWidget* m_content;
    std::unordered_map<std::uint64_t, Binding> m_bindings;
    std::vector<QMenu*> m_menus;
    bool m_hasMenuItems = false;
    std::uint64_t m_structure = ~std::uint64_t{0};
    std::uint64_t m_focusApplied = 0;
    bool m_shownBefore = false;
    QSize m_requestedSize;
    int m_appliedWidth = -1;
    int m_appliedHeight = -1;
    bool m_appliedMenuBar = false;
    std::optional<QPoint> m_requestedPosition;
    std::optional<int> m_appliedLeft;
    std::optional<int> m_appliedTop;
    bool m_resizeQueued = false;
    bool m_paintQueued = false;
    ui::AccessibleNames m_names;
    // Where elements stand or which are shown changed: which label names which element is worked out again.
    bool m_layoutChanged = true;
};

}  // namespace quintara
