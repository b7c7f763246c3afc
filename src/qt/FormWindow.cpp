#include "qt/FormWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <unordered_set>

#include "qt/FormRenderer.h"
#include "qt/QtText.h"

namespace quintara {

namespace {

constexpr const char* kSerialProperty = "quintaraSerial";

bool IsWindowed(ui::ElementKind kind) {
    return kind != ui::ElementKind::Label && kind != ui::ElementKind::Image &&
           kind != ui::ElementKind::MenuItem;
}

}  // namespace

FormWindow::FormWindow(FormRenderer& renderer, ui::Form& form)
    : m_renderer(renderer), m_form(&form), m_content(new QWidget(this)) {
    setObjectName(ToQt(form.Name()));
    setFont(FormRenderer::DefaultFont());
    setCentralWidget(m_content);
    m_content->setObjectName(QStringLiteral("%1.content").arg(objectName()));
    m_content->installEventFilter(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { PressButton(true); });
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] { PressButton(false); });
    }
}

void FormWindow::PressButton(bool cancel) {
    if (m_form == nullptr) {
        return;
    }
    for (ui::Element* element : m_form->Elements()) {
        auto* button = dynamic_cast<ui::CommandButton*>(element);
        if (button != nullptr && (cancel ? button->isCancel : button->isDefault) && button->Usable()) {
            OnUser(button->Serial(), [](ui::Element& pressed) { pressed.UserClick(); });
            return;
        }
    }
}

void FormWindow::OnUser(std::uint64_t serial, const std::function<void(ui::Element&)>& action) {
    // The user acting on an element settles where the focus is; a focus move still waiting is void.
    m_renderer.m_pendingWindow = nullptr;
    m_renderer.Dispatch([this, serial, &action] {
        if (m_form == nullptr) {
            return;
        }
        if (ui::Element* element = m_form->FindBySerial(serial)) {
            action(*element);
        }
    });
}

ui::Element* FormWindow::ElementOf(QWidget* widget) const {
    if (m_form == nullptr) {
        return nullptr;
    }
    for (QWidget* candidate = widget; candidate != nullptr && candidate != m_content && candidate != this;
         candidate = candidate->parentWidget()) {
        const QVariant serial = candidate->property(kSerialProperty);
        if (serial.isValid()) {
            return m_form->FindBySerial(serial.toULongLong());
        }
    }
    return nullptr;
}

void FormWindow::Sync() {
    if (m_form == nullptr) {
        return;
    }
    if (m_caption != m_form->caption) {
        m_caption = m_form->caption;
        setWindowTitle(ToQt(m_caption));
    }
    if (m_structure != m_form->StructureVersion()) {
        Rebuild();
        m_structure = m_form->StructureVersion();
    }
    for (ui::Element* element : m_form->Elements()) {
        auto binding = m_bindings.find(element->Serial());
        if (binding != m_bindings.end()) {
            Apply(*element, binding->second);
        }
    }
    ApplyGeometry();
    ApplyFocus(false);
}

void FormWindow::Rebuild() {
    std::unordered_set<std::uint64_t> present;
    for (const ui::Element* element : m_form->Elements()) {
        present.insert(element->Serial());
    }
    for (auto binding = m_bindings.begin(); binding != m_bindings.end();) {
        if (present.contains(binding->first) || binding->second.kind == ui::ElementKind::MenuItem) {
            ++binding;
            continue;
        }
        Discard(binding->second);
        binding = m_bindings.erase(binding);
    }
    RebuildMenus();
    for (ui::Element* element : m_form->Elements()) {
        if (element->Kind() != ui::ElementKind::MenuItem && !m_bindings.contains(element->Serial())) {
            MakeWidget(*element);
        }
    }
    // Text boxes, lists and buttons stay above the labels and pictures they overlap.
    for (const ui::Element* element : m_form->Elements()) {
        if (IsWindowed(element->Kind())) {
            if (QWidget* widget = m_bindings.at(element->Serial()).widget) {
                widget->raise();
            }
        }
    }
}

void FormWindow::Discard(Binding& binding) {
    if (binding.widget) {
        // Later, because the widget may be the one whose signal is being handled; unnamed meanwhile, so
        // that nothing finds it by its element's name.
        binding.widget->hide();
        binding.widget->setObjectName(QString());
        binding.widget->deleteLater();
    }
}

void FormWindow::RebuildMenus() {
    for (auto binding = m_bindings.begin(); binding != m_bindings.end();) {
        if (binding->second.kind != ui::ElementKind::MenuItem) {
            ++binding;
            continue;
        }
        if (binding->second.action) {
            binding->second.action->setObjectName(QString());
            if (binding->second.action->parent() == this) {
                binding->second.action->deleteLater();
            }
        }
        binding = m_bindings.erase(binding);
    }
    for (QMenu* menu : m_menus) {
        menu->deleteLater();  // a menu may be the one being opened
    }
    m_menus.clear();

    std::unordered_map<const ui::MenuItem*, std::vector<ui::MenuItem*>> children;
    for (ui::Element* element : m_form->Elements()) {
        if (auto* item = dynamic_cast<ui::MenuItem*>(element)) {
            children[item->Parent()].push_back(item);
        }
    }
    m_hasMenuItems = !children.empty();
    if (!m_hasMenuItems) {
        if (QWidget* bar = menuWidget()) {
            bar->hide();
        }
        return;
    }
    menuBar()->clear();
    // Qt's menu bar does not wrap: narrow padding keeps a dozen menus on a window of a few inches.
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 3px; }"));
    for (ui::MenuItem* item : children[nullptr]) {
        AddMenuItem(menuBar(), *item, children);
    }
    FitMenuBar(m_renderer.ToPixels(m_form->ScaleWidth()));
}

void FormWindow::AddMenuItem(
    QWidget* container, ui::MenuItem& item,
    const std::unordered_map<const ui::MenuItem*, std::vector<ui::MenuItem*>>& children) {
    const std::uint64_t serial = item.Serial();
    QAction* action = nullptr;
    auto below = children.find(&item);
    if (below != children.end()) {
        auto* menu = new QMenu(this);
        menu->setFont(font());
        m_menus.push_back(menu);
        action = menu->menuAction();
        // Opening a menu is its click, where a window brings the menu's commands up to date.
        connect(menu, &QMenu::aboutToShow, this,
                [this, serial] { OnUser(serial, [](ui::Element& opened) { opened.UserClick(); }); });
        for (ui::MenuItem* child : below->second) {
            AddMenuItem(menu, *child, children);
        }
    } else {
        action = new QAction(this);
        action->setSeparator(item.IsSeparator());
        connect(action, &QAction::triggered, this,
                [this, serial] { OnUser(serial, [](ui::Element& chosen) { chosen.UserClick(); }); });
    }
    action->setObjectName(ToQt(item.Id()));
    container->addAction(action);
    m_bindings[serial] = Binding{ui::ElementKind::MenuItem, nullptr, action};
}

void FormWindow::MakeWidget(ui::Element& element) {
    QWidget* widget = BinderFor(element.Kind()).make(*this, element);
    if (widget == nullptr) {
        return;
    }
    const std::uint64_t serial = element.Serial();
    widget->setObjectName(ToQt(element.Id()));
    widget->setProperty(kSerialProperty, QVariant::fromValue<qulonglong>(serial));
    m_bindings[serial] = Binding{element.Kind(), widget};
}

QFont FormWindow::FontOf(const ui::Element& element) const {
    QFont chosen = font();
    if (!element.font.name.empty()) {
        chosen.setFamily(ToQt(element.font.name));
    }
    if (element.font.size > 0) {
        chosen.setPointSizeF(element.font.size);
    }
    chosen.setBold(element.font.bold);
    return chosen;
}

void FormWindow::Apply(ui::Element& element, Binding& binding) {
    const ElementBinder& binder = BinderFor(element.Kind());
    if (QWidget* widget = binding.widget) {
        if (binder.suits != nullptr && !binder.suits(element, *widget)) {
            Remake(element);
            return;
        }
        const QRect bounds(m_renderer.ToPixels(element.left), m_renderer.ToPixels(element.top),
                           m_renderer.ToPixels(element.width), m_renderer.ToPixels(element.height));
        if (widget->geometry() != bounds) {
            widget->setGeometry(bounds);
        }
        if (widget->isHidden() == element.visible) {
            widget->setVisible(element.visible);
        }
        if (widget->testAttribute(Qt::WA_Disabled) == element.enabled) {
            widget->setEnabled(element.enabled);
        }
    } else if (element.Kind() != ui::ElementKind::MenuItem) {
        return;
    }
    binder.apply(*this, element, binding);
}

void FormWindow::Remake(ui::Element& element) {
    const std::uint64_t serial = element.Serial();
    Discard(m_bindings.at(serial));
    m_bindings.erase(serial);
    MakeWidget(element);
    Apply(element, m_bindings.at(serial));
}

void FormWindow::FitMenuBar(int width) {
    QMenuBar* bar = menuBar();
    QFont font = this->font();
    bar->setFont(font);
    while (font.pointSizeF() > kSmallestPointSize && bar->sizeHint().width() > width) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        bar->setFont(font);
    }
}

int FormWindow::MenuBarHeight(int width) const {
    const QWidget* bar = menuWidget();
    if (bar == nullptr || bar->isHidden()) {
        return 0;
    }
    const int height = bar->heightForWidth(width);
    return height >= 0 ? height : bar->sizeHint().height();
}

void FormWindow::ApplyGeometry() {
    ui::Form& form = *m_form;
    const bool menuBarShown = m_hasMenuItems && form.HasMenuBar();
    if (m_hasMenuItems && menuBar()->isHidden() == menuBarShown) {
        menuBar()->setVisible(menuBarShown);
    }
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) &&
        (form.width != m_appliedWidth || form.height != m_appliedHeight ||
         menuBarShown != m_appliedMenuBar)) {
        m_appliedWidth = form.width;
        m_appliedHeight = form.height;
        m_appliedMenuBar = menuBarShown;
        const int innerWidth = m_renderer.ToPixels(form.ScaleWidth());
        if (menuBarShown) {
            FitMenuBar(innerWidth);
        }
        m_requestedSize =
            QSize(innerWidth, m_renderer.ToPixels(form.ScaleHeight()) + MenuBarHeight(innerWidth));
        resize(m_requestedSize);
    }
    if (form.left && form.top && (form.left != m_appliedLeft || form.top != m_appliedTop)) {
        m_appliedLeft = form.left;
        m_appliedTop = form.top;
        m_requestedPosition = QPoint(m_renderer.ToPixels(*form.left), m_renderer.ToPixels(*form.top));
        move(*m_requestedPosition);
    }
}

void FormWindow::ApplyFocus(bool force) {
    if (!isVisible() || (!force && m_focusApplied == m_form->FocusRequests())) {
        return;
    }
    m_focusApplied = m_form->FocusRequests();
    if (ui::Element* active = m_form->ActiveControl()) {
        auto binding = m_bindings.find(active->Serial());
        if (binding != m_bindings.end() && binding->second.widget && binding->second.widget->isVisible() &&
            binding->second.widget->isEnabled()) {
            binding->second.widget->setFocus(Qt::OtherFocusReason);
        }
    }
}

void FormWindow::ShowAsForm() {
    Sync();
    if (m_form == nullptr) {
        return;
    }
    if (!m_shownBefore) {
        m_shownBefore = true;
        if (!m_form->left || !m_form->top) {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            const QPoint corner = screen.center() - QPoint(width() / 2, height() / 2);
            m_form->left = m_renderer.ToTwips(std::max(screen.left(), corner.x()));
            m_form->top = m_renderer.ToTwips(std::max(screen.top(), corner.y()));
            ApplyGeometry();
        }
    }
    switch (m_form->windowState) {
    case ui::WindowState::Maximized:
        showMaximized();
        break;
    case ui::WindowState::Minimized:
        showMinimized();
        break;
    case ui::WindowState::Normal:
        if (isMaximized() || isMinimized()) {
            showNormal();
        } else {
            show();
        }
        break;
    }
    raise();
    activateWindow();
    ApplyFocus(true);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (m_form == nullptr) {
        event->accept();
        return;
    }
    ui::Form* form = m_form;
    m_renderer.Dispatch([form] { form->UserCloses(); });
    if (m_form == nullptr) {
        event->accept();
    } else {
        event->ignore();
    }
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_form == nullptr || !isVisible() || event->size() == m_requestedSize) {
        return;
    }
    // The user (or the window manager) resized the window: the form hears of it once things settle.
    m_requestedSize = event->size();
    const int innerHeight = event->size().height() - MenuBarHeight(event->size().width());
    m_form->SetScaleSize(m_renderer.ToTwips(event->size().width()), m_renderer.ToTwips(innerHeight));
    m_appliedWidth = m_form->width;
    m_appliedHeight = m_form->height;
    if (!m_resizeQueued) {
        m_resizeQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_resizeQueued = false;
                if (ui::Form* form = m_form) {
                    m_renderer.Dispatch([form] { form->UserResizes(form->width, form->height); });
                }
            },
            Qt::QueuedConnection);
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (m_form == nullptr || !isVisible() || pos() == m_requestedPosition) {
        return;
    }
    m_requestedPosition = pos();
    m_form->left = m_renderer.ToTwips(pos().x());
    m_form->top = m_renderer.ToTwips(pos().y());
    m_appliedLeft = m_form->left;
    m_appliedTop = m_form->top;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_form == nullptr) {
        return false;
    }
    if (watched == m_content && event->type() == QEvent::Paint && !m_paintQueued) {
        // After the paint, so that the reaction may change what is shown without painting inside a paint.
        m_paintQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_paintQueued = false;
                if (ui::Form* form = m_form) {
                    m_renderer.Dispatch([form] { form->Paint(); });
                }
            },
            Qt::QueuedConnection);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (widget != nullptr && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            if (ui::Element* element = ElementOf(widget)) {
                OnUser(element->Serial(), [](ui::Element& clicked) { clicked.UserClick(); });
            }
        }
    }
    return false;
}

}  // namespace quintara
