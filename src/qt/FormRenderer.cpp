#include "qt/FormRenderer.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_set>
#include <vector>

#include "qt/QtText.h"
#include "ui/kit/Elements.h"

namespace quintara {

namespace {

constexpr const char* kSerialProperty = "quintaraSerial";
constexpr double kDefaultPointSize = 8.0;
constexpr double kSmallestPointSize = 6.0;
constexpr int kButtonPadding = 6;  // pixels a push button keeps clear on either side of its caption
constexpr int kBoxPadding = 2;     // pixels a bordered label keeps clear inside its border

Qt::Alignment ToQtAlignment(ui::Alignment alignment) {
    switch (alignment) {
    case ui::Alignment::Right:
        return Qt::AlignRight;
    case ui::Alignment::Center:
        return Qt::AlignHCenter;
    case ui::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

bool IsWindowed(ui::ElementKind kind) {
    return kind != ui::ElementKind::Label && kind != ui::ElementKind::Image &&
           kind != ui::ElementKind::MenuItem;
}

// Whether text set in font fits area: on one line for a button, wrapped at words for a label.
bool Fits(const QString& text, const QFont& font, const QRect& area, bool wraps) {
    const QFontMetrics metrics(font);
    if (!wraps) {
        QString shown = text;
        shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return metrics.horizontalAdvance(shown) <= area.width();
    }
    const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// Bar labels must differ for the chart to keep one per bar; two balls last drawn on one date share one.
// None may be null either: the axis drops a null label and the later ones slide under the wrong bars.
QStringList DistinctLabels(const QStringList& labels) {
    QStringList distinct;
    for (QString text : labels) {
        if (text.isNull()) {
            text = QStringLiteral("");
        }
        while (distinct.contains(text)) {
            text += QChar(0x200B);  // zero width space: looks the same, compares different
        }
        distinct.append(text);
    }
    return distinct;
}

// A number as the chart's tooltip shows it: "8.13", "187", whatever the locale.
QString ValueText(double value) {
    return QString::number(value, 'g', 12);
}

// The labels under the bars: every one where they stand clear of each other, otherwise every second,
// third... one, so that many dates never run together. Each bar still tells its own on hover. The labels
// stand on the bars' own values, where the axis never hides the first and last of them as it hides a
// label wider than its category at the edge of a category axis.
void FitBarLabels(QCategoryAxis& axis, const QStringList& labels, qreal plotWidth) {
    if (labels.isEmpty() || plotWidth <= 0) {
        return;
    }
    const qreal room = plotWidth / static_cast<qreal>(labels.size());
    const QFontMetricsF metrics(axis.labelsFont());
    // Upright labels need their width, turned ones the height of a line, with a little air between.
    qreal needed = metrics.height() * 1.1;
    if (axis.labelsAngle() == 0) {
        for (const auto& label : labels) {
            needed = std::max(needed, metrics.horizontalAdvance(label) + metrics.averageCharWidth());
        }
    }
    const int step = std::max(1, static_cast<int>(std::ceil(needed / room)));
    if (axis.property("labelStep").toInt() == step) {
        return;
    }
    axis.setProperty("labelStep", step);
    for (const QString& label : axis.categoriesLabels()) {
        axis.remove(label);
    }
    for (int i = 0; i < labels.size(); i += step) {
        axis.append(labels[i], i);
    }
}

QChart* MakeChart(const ui::ChartData& data) {
    auto* chart = new QChart;
    chart->setTitle(ToQt(data.title));
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    chart->setTitleFont(titleFont);
    auto* series = new QBarSeries;
    const std::size_t columns = data.columnLabels.size();
    for (std::size_t row = 0; row < data.rowLabels.size(); ++row) {
        auto* set = new QBarSet(ToQt(data.rowLabels[row]));
        for (std::size_t column = 0; column < columns; ++column) {
            set->append(data.values[row * columns + column].value_or(0.0));
        }
        series->append(set);
    }
    // One row of many bars: each bar takes nearly all of its place.
    series->setBarWidth(0.8);
    chart->addSeries(series);
    // Bar i stands on the value i of the axis.
    auto* bars = new QCategoryAxis;
    bars->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    bars->setRange(-0.5, static_cast<qreal>(std::max<std::size_t>(columns, 1)) - 0.5);
    bars->setStartValue(-0.5);
    QStringList labels;
    for (const auto& label : data.columnLabels) {
        labels.append(ToQt(label));
    }
    labels = DistinctLabels(labels);
    if (columns > 20) {
        // Many bars: the labels stand on end, a little smaller, so that a row of 49 dates fits.
        bars->setLabelsAngle(-90);
        QFont small = bars->labelsFont();
        small.setPointSizeF(std::max(small.pointSizeF() * 0.8, kSmallestPointSize));
        bars->setLabelsFont(small);
    }
    bars->setGridLineVisible(false);
    // A date cut to "..." says nothing; thinning, not cutting, keeps the labels clear of each other.
    bars->setTruncateLabels(false);
    FitBarLabels(*bars, labels, 1.0e9);
    chart->addAxis(bars, Qt::AlignBottom);
    series->attachAxis(bars);
    auto* values = new QValueAxis;
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    values->setMin(0);
    values->applyNiceNumbers();
    values->setLabelFormat(QStringLiteral("%g"));
    chart->legend()->setVisible(data.rowLabels.size() > 1);
    QObject::connect(chart, &QChart::plotAreaChanged, bars,
                     [bars, labels](const QRectF& area) { FitBarLabels(*bars, labels, area.width()); });
    return chart;
}

// Resting the pointer on a bar shows its label and value, which a thinned or crowded axis may not.
void ShowBarTips(QChartView& view, const ui::ChartData& data) {
    const auto sets = static_cast<QBarSeries*>(view.chart()->series().constFirst())->barSets();
    const std::size_t columns = data.columnLabels.size();
    for (qsizetype row = 0; row < sets.size(); ++row) {
        QObject::connect(
            sets[row], &QBarSet::hovered, &view, [&view, data, row, columns](bool status, int index) {
                if (!status || index < 0 || static_cast<std::size_t>(index) >= columns) {
                    view.setToolTip(QString());
                    QToolTip::hideText();
                    return;
                }
                const auto cell = static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(index);
                const QString label = ToQt(data.columnLabels[static_cast<std::size_t>(index)]);
                const auto value = data.values[cell];
                const QString shown = value ? ValueText(*value) : QStringLiteral("-");
                const QString tip = label.isEmpty() ? shown : label + QStringLiteral(": ") + shown;
                view.setToolTip(tip);
                QToolTip::showText(QCursor::pos(), tip, &view);
            });
    }
}

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
};

// Brings a multi-line box up to date with its element's text and lock, without raising its change.
void SyncPlainText(QPlainTextEdit& lines, Binding& binding, const std::string& text, bool locked) {
    if (binding.text != text) {
        binding.text = text;
        const QSignalBlocker quiet(&lines);
        lines.setPlainText(ToQtLines(text));
    }
    if (lines.isReadOnly() != locked) {
        lines.setReadOnly(locked);
    }
}

}  // namespace

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

    std::vector<QEventLoop*> modalLoops;  // innermost last

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnUser(std::uint64_t serial, const std::function<void(ui::Element&)>& action);
    void Rebuild();
    void RebuildMenus();
    void AddMenuItem(QWidget* container, ui::MenuItem& item,
                     const std::unordered_map<const ui::MenuItem*, std::vector<ui::MenuItem*>>& children);
    void MakeWidget(ui::Element& element);
    void Apply(ui::Element& element, Binding& binding);
    void ApplyMenuItem(const ui::MenuItem& item, Binding& binding);
    void ApplyColors(QWidget& widget, const ui::Element& element, Binding& binding, QPalette::ColorRole fore,
                     QPalette::ColorRole back);
    void ApplyGeometry();
    void ApplyFocus(bool force);
    QFont FontOf(const ui::Element& element) const;
    // Gives the widget the element's font, made smaller where the caption would not fit otherwise.
    void ApplyFont(QWidget& widget, const ui::Element& element, Binding& binding, bool textChanged,
                   bool fits);
    // Menus that do not fit the width get a smaller font, rather than hiding behind a chevron.
    void FitMenuBar(int width);
    int MenuBarHeight(int width) const;
    void PressButton(bool cancel);

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
};

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
        if (binding->second.widget) {
            // Later, because the widget may be the one whose signal is being handled; unnamed meanwhile,
            // so that nothing finds it by its element's name.
            binding->second.widget->hide();
            binding->second.widget->setObjectName(QString());
            binding->second.widget->deleteLater();
        }
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
    const std::uint64_t serial = element.Serial();
    QWidget* widget = nullptr;
    switch (element.Kind()) {
    case ui::ElementKind::Label:
    case ui::ElementKind::Image: {
        auto* label = new QLabel(m_content);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->installEventFilter(this);  // a click on a label or picture
        widget = label;
        break;
    }
    case ui::ElementKind::TextBox:
        if (static_cast<ui::TextBox&>(element).multiLine) {
            auto* edit = new QPlainTextEdit(m_content);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, serial, edit] {
                OnUser(serial, [this, edit](ui::Element& box) {
                    std::string text = ToProgramLines(edit->toPlainText());
                    if (static_cast<ui::TextBox&>(box).UserTypes(text)) {
                        m_bindings.at(box.Serial()).text = std::move(text);
                    }
                });
            });
            widget = edit;
        } else {
            auto* edit = new QLineEdit(m_content);
            connect(edit, &QLineEdit::textEdited, this, [this, serial](const QString& text) {
                OnUser(serial, [this, &text](ui::Element& box) {
                    // The widget shows what was typed; a refused entry then differs and is put back.
                    m_bindings.at(box.Serial()).text = text.toStdString();
                    static_cast<ui::TextBox&>(box).UserTypes(text.toStdString());
                });
            });
            widget = edit;
        }
        break;
    case ui::ElementKind::ComboBox: {
        auto* combo = new QComboBox(m_content);
        combo->setEditable(static_cast<ui::ComboBox&>(element).editable);
        combo->setInsertPolicy(QComboBox::NoInsert);
        connect(combo, &QComboBox::activated, this, [this, serial](int position) {
            OnUser(serial,
                   [position](ui::Element& box) { static_cast<ui::ComboBox&>(box).UserSelects(position); });
        });
        if (QLineEdit* edit = combo->lineEdit()) {
            connect(edit, &QLineEdit::textEdited, this, [this, serial](const QString& text) {
                OnUser(serial, [this, &text](ui::Element& box) {
                    m_bindings.at(box.Serial()).text = text.toStdString();
                    static_cast<ui::ComboBox&>(box).UserTypes(text.toStdString());
                });
            });
        }
        widget = combo;
        break;
    }
    case ui::ElementKind::CommandButton: {
        auto* button = new QPushButton(m_content);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, serial] { OnUser(serial, [](ui::Element& pressed) { pressed.UserClick(); }); });
        widget = button;
        break;
    }
    case ui::ElementKind::RichTextBox: {
        auto* edit = new QPlainTextEdit(m_content);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, serial, edit] {
            OnUser(serial, [this, edit](ui::Element& box) {
                std::string text = ToProgramLines(edit->toPlainText());
                if (static_cast<ui::RichTextBox&>(box).UserTypes(text)) {
                    m_bindings.at(box.Serial()).text = std::move(text);
                }
            });
        });
        widget = edit;
        break;
    }
    case ui::ElementKind::Chart: {
        auto* view = new QChartView(m_content);
        view->setRenderHint(QPainter::Antialiasing);
        widget = view;
        break;
    }
    case ui::ElementKind::MenuItem:
        return;
    }
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

void FormWindow::ApplyFont(QWidget& widget, const ui::Element& element, Binding& binding, bool textChanged,
                           bool fits) {
    const bool fontChanged = binding.font != element.font;
    if (!fontChanged && !textChanged && (!fits || binding.fittedSize == widget.size())) {
        return;
    }
    binding.font = element.font;
    QFont font = FontOf(element);
    if (fits) {
        binding.fittedSize = widget.size();
        const bool wraps = element.Kind() == ui::ElementKind::Label;
        const int padding = wraps ? static_cast<QLabel&>(widget).margin() : 0;
        const QRect area = wraps ? widget.contentsRect().adjusted(padding, padding, -padding, -padding)
                                 : widget.rect().adjusted(kButtonPadding, 0, -kButtonPadding, 0);
        const QString text = ToQt(binding.text);
        while (font.pointSizeF() > kSmallestPointSize && !Fits(text, font, area, wraps)) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
    }
    if (widget.font() != font) {
        widget.setFont(font);
    }
}

void FormWindow::ApplyColors(QWidget& widget, const ui::Element& element, Binding& binding,
                             QPalette::ColorRole fore, QPalette::ColorRole back) {
    if (binding.foreColor == element.foreColor && binding.backColor == element.backColor) {
        return;
    }
    binding.foreColor = element.foreColor;
    binding.backColor = element.backColor;
    QPalette palette = m_content->palette();
    if (element.foreColor) {
        palette.setColor(fore, QColor::fromRgb(static_cast<QRgb>(*element.foreColor)));
    }
    if (element.backColor) {
        palette.setColor(back, QColor::fromRgb(static_cast<QRgb>(*element.backColor)));
    }
    widget.setPalette(palette);
    if (back == QPalette::Window) {
        widget.setAutoFillBackground(element.backColor.has_value());
    }
}

void FormWindow::Apply(ui::Element& element, Binding& binding) {
    if (element.Kind() == ui::ElementKind::MenuItem) {
        ApplyMenuItem(static_cast<const ui::MenuItem&>(element), binding);
        return;
    }
    QWidget* widget = binding.widget;
    if (widget == nullptr) {
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

    switch (element.Kind()) {
    case ui::ElementKind::Label: {
        const auto& label = static_cast<const ui::Label&>(element);
        auto* shown = static_cast<QLabel*>(widget);
        const bool captionChanged = binding.text != label.caption;
        if (captionChanged) {
            binding.text = label.caption;
            shown->setText(ToQt(label.caption));
        }
        // A bordered label is a box: its caption sits in the middle, clear of the border.
        const Qt::Alignment alignment =
            ToQtAlignment(label.alignment) | (label.border ? Qt::AlignVCenter : Qt::AlignTop);
        if (shown->alignment() != alignment) {
            shown->setAlignment(alignment);
        }
        const int frame = label.border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame;
        if (shown->frameStyle() != frame) {
            shown->setFrameStyle(frame);
        }
        const int padding = label.border ? kBoxPadding : 0;
        if (shown->margin() != padding) {
            shown->setMargin(padding);
        }
        ApplyColors(*shown, element, binding, QPalette::WindowText, QPalette::Window);
        ApplyFont(*shown, element, binding, captionChanged, true);
        break;
    }
    case ui::ElementKind::TextBox: {
        const auto& box = static_cast<const ui::TextBox&>(element);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (binding.text != box.text) {
                binding.text = box.text;
                edit->setText(ToQt(box.text));
            }
            if (edit->isReadOnly() != box.locked) {
                edit->setReadOnly(box.locked);
            }
            const int maxLength = box.maxLength > 0 ? box.maxLength : 32767;
            if (edit->maxLength() != maxLength) {
                edit->setMaxLength(maxLength);
            }
            const Qt::Alignment alignment = ToQtAlignment(box.alignment) | Qt::AlignVCenter;
            if (edit->alignment() != alignment) {
                edit->setAlignment(alignment);
            }
        } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
            SyncPlainText(*lines, binding, box.text, box.locked);
        }
        ApplyColors(*widget, element, binding, QPalette::Text, QPalette::Base);
        ApplyFont(*widget, element, binding, false, false);
        break;
    }
    case ui::ElementKind::ComboBox: {
        const auto& box = static_cast<const ui::ComboBox&>(element);
        auto* combo = static_cast<QComboBox*>(widget);
        const QSignalBlocker quiet(combo);
        if (binding.items != box.Items()) {
            binding.items = box.Items();
            combo->clear();
            for (const auto& item : box.Items()) {
                combo->addItem(ToQt(item));
            }
        }
        if (combo->currentIndex() != box.ListIndex()) {
            combo->setCurrentIndex(box.ListIndex());
        }
        if (combo->isEditable() && binding.text != box.Text()) {
            binding.text = box.Text();
            combo->setEditText(ToQt(box.Text()));
        }
        ApplyColors(*widget, element, binding, QPalette::Text, QPalette::Base);
        ApplyFont(*widget, element, binding, false, false);
        break;
    }
    case ui::ElementKind::CommandButton: {
        const auto& button = static_cast<const ui::CommandButton&>(element);
        auto* pushed = static_cast<QPushButton*>(widget);
        const bool captionChanged = binding.text != button.caption;
        if (captionChanged) {
            binding.text = button.caption;
            pushed->setText(ToQt(button.caption));
        }
        ApplyColors(*pushed, element, binding, QPalette::ButtonText, QPalette::Button);
        ApplyFont(*pushed, element, binding, captionChanged, true);
        break;
    }
    case ui::ElementKind::RichTextBox: {
        const auto& box = static_cast<const ui::RichTextBox&>(element);
        SyncPlainText(*static_cast<QPlainTextEdit*>(widget), binding, box.text, box.locked);
        ApplyColors(*widget, element, binding, QPalette::Text, QPalette::Base);
        ApplyFont(*widget, element, binding, false, false);
        break;
    }
    case ui::ElementKind::Image: {
        const auto& image = static_cast<const ui::Image&>(element);
        auto* shown = static_cast<QLabel*>(widget);
        if (binding.picture != image.picture) {
            binding.picture = image.picture;
            shown->setPixmap(image.picture.empty() ? QPixmap() : QPixmap(ToQt(image.picture)));
        }
        if (shown->hasScaledContents() != image.stretch) {
            shown->setScaledContents(image.stretch);
        }
        break;
    }
    case ui::ElementKind::Chart: {
        const auto& chart = static_cast<const ui::Chart&>(element);
        if (binding.chart != chart.Data()) {
            binding.chart = chart.Data();
            auto* view = static_cast<QChartView*>(widget);
            QChart* old = view->chart();
            view->setChart(MakeChart(chart.Data()));
            ShowBarTips(*view, chart.Data());
            delete old;
        }
        break;
    }
    case ui::ElementKind::MenuItem:
        break;
    }
}

void FormWindow::ApplyMenuItem(const ui::MenuItem& item, Binding& binding) {
    QAction* action = binding.action;
    if (action == nullptr) {
        return;
    }
    if (binding.text != item.caption) {
        binding.text = item.caption;
        QString text = item.IsSeparator() ? QString() : ToQt(item.caption);
        if (item.literalCaption) {
            text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        }
        action->setText(text);
    }
    if (action->isVisible() != item.visible) {
        action->setVisible(item.visible);
    }
    if (action->isEnabled() != item.enabled) {
        action->setEnabled(item.enabled);
    }
    // Only a checked item shows the mark; choosing an item never ticks it by itself.
    if (action->isCheckable() != item.checked || action->isChecked() != item.checked) {
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
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
