#include "qt/FormRenderer.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <vector>

#include "qt/FormWindow.h"

namespace quintara {

namespace {

constexpr double kDefaultPointSize = 8.0;

}  // namespace

FormRenderer::FormRenderer() : m_dotsPerInch(QGuiApplication::primaryScreen()->logicalDotsPerInch()) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

FormRenderer::~FormRenderer() {
    for (auto& [form, window] : m_windows) {
        window->Detach();
        delete window;
    }
}

QFont FormRenderer::DefaultFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kDefaultPointSize);
    return font;
}

int FormRenderer::ToPixels(int twips) const {
    return qRound(twips * m_dotsPerInch / 1440.0);
}

int FormRenderer::ToTwips(int pixels) const {
    return qRound(pixels * 1440.0 / m_dotsPerInch);
}

FormWindow& FormRenderer::WindowFor(ui::Form& form) {
    auto found = m_windows.find(&form);
    if (found != m_windows.end()) {
        return *found->second;
    }
    auto* window = new FormWindow(*this, form);
    m_windows.emplace(&form, window);
    window->Sync();
    return *window;
}

QWidget& FormRenderer::Window(ui::Form& form) {
    return WindowFor(form);
}

QWidget* FormRenderer::FindWindow(const ui::Form& form) const {
    auto found = m_windows.find(&form);
    return found == m_windows.end() ? nullptr : found->second;
}

void FormRenderer::Show(ui::Form& form, ui::ShowMode mode) {
    FormWindow& window = WindowFor(form);
    const bool modal = mode == ui::ShowMode::Modal;
    if (modal && !window.isModal()) {
        window.hide();
        window.setWindowModality(Qt::ApplicationModal);
    }
    window.ShowAsForm();
    RefreshAll();
    if (!modal) {
        return;
    }
    QPointer<FormWindow> guard(&window);
    QEventLoop loop;
    window.modalLoops.push_back(&loop);
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        std::erase(guard->modalLoops, &loop);
        if (guard->modalLoops.empty() && !guard->isVisible()) {
            guard->setWindowModality(Qt::NonModal);
        }
    }
}

void FormRenderer::Hide(ui::Form& form) {
    auto found = m_windows.find(&form);
    if (found == m_windows.end()) {
        return;
    }
    FormWindow* window = found->second;
    window->hide();
    if (!window->modalLoops.empty()) {
        window->modalLoops.back()->quit();
    }
}

void FormRenderer::Unload(ui::Form& form) {
    auto found = m_windows.find(&form);
    if (found == m_windows.end()) {
        return;
    }
    FormWindow* window = found->second;
    m_windows.erase(found);
    window->Detach();
    for (QEventLoop* loop : window->modalLoops) {
        loop->quit();
    }
    window->hide();
    window->deleteLater();
}

void FormRenderer::BringToFront(ui::Form& form) {
    FormWindow& window = WindowFor(form);
    window.Sync();
    window.raise();
    window.activateWindow();
}

void FormRenderer::Refresh(ui::Form& form) {
    FormWindow& window = WindowFor(form);
    window.Sync();
    window.repaint();
}

void FormRenderer::RefreshAll() {
    std::vector<QPointer<FormWindow>> windows;
    for (auto& entry : m_windows) {
        windows.emplace_back(entry.second);
    }
    for (auto& window : windows) {
        if (window) {
            window->Sync();
        }
    }
}

QPixmap FormRenderer::Grab(ui::Form& form) {
    FormWindow& window = WindowFor(form);
    window.Sync();
    if (QLayout* layout = window.layout()) {
        layout->activate();
    }
    return window.grab();
}

void FormRenderer::Dispatch(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        // A reaction is meant to handle its own failures; this only keeps the event loop alive.
        qWarning("Quintara: a reaction failed: %s", error.what());
    } catch (...) {
        qWarning("Quintara: a reaction failed");
    }
    RefreshAll();
}

void FormRenderer::OnFocusChanged(QWidget* now) {
    if (now == nullptr) {
        return;
    }
    // Focus going to a message box, a dialog or another program is no move within a form.
    auto* window = dynamic_cast<FormWindow*>(now->window());
    ui::Element* element = window != nullptr ? window->ElementOf(now) : nullptr;
    if (element == nullptr) {
        return;
    }
    if (element == window->Form()->ActiveControl()) {
        // Back where the form has it (a refused move put it back): nothing waits any more.
        m_pendingWindow = nullptr;
        return;
    }
    m_pendingWindow = window;
    m_pendingSerial = element->Serial();
    if (!m_focusMoveQueued) {
        m_focusMoveQueued = true;
        QMetaObject::invokeMethod(
            this, [this] { MoveFocusNow(); }, Qt::QueuedConnection);
    }
}

void FormRenderer::MoveFocusNow() {
    m_focusMoveQueued = false;
    QPointer<FormWindow> window = m_pendingWindow;
    m_pendingWindow = nullptr;
    if (window == nullptr || window->Form() == nullptr) {
        return;
    }
    ui::Form* form = window->Form();
    const std::uint64_t serial = m_pendingSerial;
    Dispatch([form, serial] {
        if (ui::Element* element = form->FindBySerial(serial)) {
            element->UserFocus();
        }
    });
    // A refused move has already put the real focus back through the form's focus request.
}

}  // namespace quintara
