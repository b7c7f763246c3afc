#pragma once

#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "formkit/Form.h"

class QWidget;

namespace quintara {

class FormWindow;

// No caption, menu or chart label is made smaller than this to fit its place: below it text stops being read.
inline constexpr double kSmallestPointSize = 6.0;

// Turns any form into a window of real widgets and keeps the widgets in step with the form's elements.
//
// Each element becomes its widget, placed from its twips and named after its Id; the widgets' signals
// raise the elements' reactions as the user's actions (Element::UserClick, TextBox::UserTypes, ...), and
// after every reaction all windows are brought up to date, widgets of new elements included.
class FormRenderer : public QObject {
public:
    FormRenderer();
    FormRenderer(const FormRenderer&) = delete;
    FormRenderer& operator=(const FormRenderer&) = delete;
    ~FormRenderer() override;

    // The font of elements that name none: 8 point DejaVu Sans. Where a caption still does not fit the
    // element's twips, that element's font is made smaller until it does.
    static QFont DefaultFont();

    // A modal show runs a nested event loop until the form is hidden or unloaded.
    void Show(ui::Form& form, ui::ShowMode mode);
    void Hide(ui::Form& form);
    void Unload(ui::Form& form);
    void BringToFront(ui::Form& form);
    // Brings the form's window up to date and repaints it now.
    void Refresh(ui::Form& form);
    void RefreshAll();

    // The form's window, made (hidden) and brought up to date if it has none yet.
    QWidget& Window(ui::Form& form);
    QWidget* FindWindow(const ui::Form& form) const;
    // An image of the form's window as it would be shown.
    QPixmap Grab(ui::Form& form);

    int ToPixels(int twips) const;
    int ToTwips(int pixels) const;

private:
    friend class FormWindow;

    FormWindow& WindowFor(ui::Form& form);
    // Runs the user's action, then brings every window up to date.
    void Dispatch(const std::function<void()>& action);
    void OnFocusChanged(QWidget* now);
    void MoveFocusNow();

    std::unordered_map<const ui::Form*, FormWindow*> m_windows;
    double m_dotsPerInch;
    // A focus move the user made inside a window; its check runs once the mouse press that made it has
    // been handled, so that a refused move never leaves a button pressed.
    QPointer<FormWindow> m_pendingWindow;
    std::uint64_t m_pendingSerial = 0;
    bool m_focusMoveQueued = false;
};

}  // namespace quintara
