#include "qt/LongTextView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>

namespace quintara {

namespace {

constexpr int kMargin = 4;         // pixels around the text, as a plain text box's document keeps
constexpr qreal kTabStop = 80;     // pixels between tab stops, as in a plain text box
constexpr int kAutoScrollMs = 50;  // how often a selection dragged past an edge scrolls on
// What assistive technology reads of the view: its text and selection, as of a read-only text box. The
// text is handed out only when asked for, a part at a time if the reader wishes.
class LongTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LongTextAccessible(LongTextView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? View().Text() : QAccessibleWidget::text(kind);
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && selectionCount() == 1) {
            *start = std::min(View().Anchor(), View().Position());
            *end = std::max(View().Anchor(), View().Position());
        }
    }
    int selectionCount() const override { return View().Anchor() != View().Position() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { View().Select(View().Position(), View().Position()); }
    void setSelection(int, int start, int end) override {
        View().Select(Clamp(start), Clamp(end));
        View().ShowPosition(Clamp(end));
    }
    int cursorPosition() const override { return View().Position(); }
    void setCursorPosition(int position) override { View().Select(Clamp(position), Clamp(position)); }
    QString text(int start, int end) const override {
        return View().Text().mid(Clamp(start), std::max(0, Clamp(end) - Clamp(start)));
    }
    int characterCount() const override { return static_cast<int>(View().Text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint& point) const override {
        return View().PositionAt(View().viewport()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { View().ShowPosition(Clamp(start)); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    LongTextView& View() const { return *static_cast<LongTextView*>(widget()); }
    int Clamp(int position) const { return std::clamp(position, 0, characterCount()); }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("quintara::LongTextView") && object != nullptr && object->isWidgetType()) {
        return new LongTextAccessible(static_cast<LongTextView*>(object));
    }
    return nullptr;
}

}  // namespace

LongTextView::LongTextView(QWidget* parent) : QAbstractScrollArea(parent), m_autoScroll(new QTimer(this)) {
    [[maybe_unused]] static const bool kAccessible = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    m_lineStarts.push_back(0);
    m_autoScroll->setInterval(kAutoScrollMs);
    connect(m_autoScroll, &QTimer::timeout, this, [this] {
        const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
        if (at.y() < 0) {
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        } else if (at.y() >= viewport()->height()) {
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        }
        Select(m_anchor, PositionAt(at));
    });
}

void LongTextView::SetText(const QString& text) {
    m_text = text;
    m_lineStarts.assign(1, 0);
    const QChar* characters = m_text.constData();
    const auto size = static_cast<int>(m_text.size());
    for (int i = 0; i < size; ++i) {
        if (characters[i] == QLatin1Char('\n')) {
            m_lineStarts.push_back(i + 1);
        }
    }
    m_anchor = m_position = 0;
    UpdateScrollRange();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::TextUpdated);
        QAccessible::updateAccessibility(&changed);
    }
}

void LongTextView::ShowPosition(int position) {
    const auto line =
        std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), position) - m_lineStarts.begin() - 1;
    const int first = verticalScrollBar()->value();
    if (line < first || line >= first + verticalScrollBar()->pageStep()) {
        verticalScrollBar()->setValue(static_cast<int>(line));
    }
}

int LongTextView::LineLength(int line) const {
    const int end = line + 1 < LineCount() ? LineStart(line + 1) - 1 : static_cast<int>(m_text.size());
    return end - LineStart(line);
}

QString LongTextView::SelectedText() const {
    const int from = std::min(m_anchor, m_position);
    return m_text.mid(from, std::max(m_anchor, m_position) - from);
}

void LongTextView::SelectAll() {
    Select(0, static_cast<int>(m_text.size()));
}

void LongTextView::Copy() const {
    if (m_anchor != m_position) {
        QGuiApplication::clipboard()->setText(SelectedText());
    }
}

int LongTextView::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

void LongTextView::Select(int anchor, int position) {
    if (anchor == m_anchor && position == m_position) {
        return;
    }
    m_anchor = anchor;
    m_position = position;
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent changed(this, std::min(anchor, position), std::max(anchor, position));
        QAccessible::updateAccessibility(&changed);
    }
}

void LongTextView::LayOut(QTextLayout& layout, int line) const {
    layout.setText(m_text.mid(LineStart(line), LineLength(line)));
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(kTabStop);
    layout.setTextOption(option);
    const qreal width = std::max(1, viewport()->width() - 2 * kMargin);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        row.setPosition(QPointF(0, y));
        y += row.height();
    }
    layout.endLayout();
}

void LongTextView::UpdateScrollRange() {
    // The last line to stand at the top is the one from which the rest of the text just fits; finding it
    // lays out only the last screenful.
    const qreal room = viewport()->height() - kMargin;
    qreal used = 0;
    int top = LineCount();
    while (top > 0) {
        QTextLayout layout;
        LayOut(layout, top - 1);
        const qreal height = layout.boundingRect().height();
        if (used + height > room) {
            break;
        }
        used += height;
        --top;
    }
    const int lineHeight = std::max(1, fontMetrics().height());
    verticalScrollBar()->setRange(0, top);
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / lineHeight));
}

int LongTextView::PositionAt(const QPoint& point) const {
    const int first = verticalScrollBar()->value();
    qreal y = first == 0 ? kMargin : 0;
    if (point.y() < y) {
        return LineStart(first);
    }
    for (int line = first; line < LineCount(); ++line) {
        QTextLayout layout;
        LayOut(layout, line);
        const qreal height = layout.boundingRect().height();
        if (point.y() < y + height || y > viewport()->height()) {
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QTextLine row = layout.lineAt(i);
                if (point.y() < y + row.y() + row.height() || i + 1 == layout.lineCount()) {
                    return LineStart(line) + row.xToCursor(point.x() - kMargin);
                }
            }
        }
        y += height;
    }
    return static_cast<int>(m_text.size());
}

void LongTextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    painter.setPen(palette().color(group, QPalette::Text));
    QTextCharFormat selected;
    selected.setBackground(palette().brush(group, QPalette::Highlight));
    selected.setForeground(palette().brush(group, QPalette::HighlightedText));
    const int from = std::min(m_anchor, m_position);
    const int to = std::max(m_anchor, m_position);
    const int first = verticalScrollBar()->value();
    qreal y = first == 0 ? kMargin : 0;
    for (int line = first; line < LineCount() && y < viewport()->height(); ++line) {
        QTextLayout layout;
        LayOut(layout, line);
        QList<QTextLayout::FormatRange> selections;
        const int start = LineStart(line);
        const int end = start + LineLength(line);
        if (from < end && to > start) {
            const int selectedFrom = std::max(from, start);
            selections.append({selectedFrom - start, std::min(to, end) - selectedFrom, selected});
        }
        layout.draw(&painter, QPointF(kMargin, y), selections);
        y += layout.boundingRect().height();
    }
}

void LongTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void LongTextView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LongTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateScrollRange();
        viewport()->update();
    }
}

void LongTextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->matches(QKeySequence::MoveToStartOfDocument) || event->key() == Qt::Key_Home) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->matches(QKeySequence::MoveToEndOfDocument) || event->key() == Qt::Key_End) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        QAbstractScrollArea::keyPressEvent(event);  // lines and pages up and down
        return;
    }
    event->accept();
}

void LongTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int at = PositionAt(event->position().toPoint());
    Select(event->modifiers() & Qt::ShiftModifier ? m_anchor : at, at);
    m_selecting = true;
}

void LongTextView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_selecting) {
        return;
    }
    const QPoint at = event->position().toPoint();
    Select(m_anchor, PositionAt(at));
    // Past the top or bottom, the text scrolls on under a still pointer.
    if (at.y() < 0 || at.y() >= viewport()->height()) {
        if (!m_autoScroll->isActive()) {
            m_autoScroll->start();
        }
    } else {
        m_autoScroll->stop();
    }
}

void LongTextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_selecting) {
        return;
    }
    m_selecting = false;
    m_autoScroll->stop();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (m_anchor != m_position && clipboard->supportsSelection()) {
        clipboard->setText(SelectedText(), QClipboard::Selection);
    }
}

void LongTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    auto inWord = [this](int i) {
        const QChar c = m_text.at(i);
        return c.isLetterOrNumber() || c == QLatin1Char('_');
    };
    const int at = PositionAt(event->position().toPoint());
    int from = at;
    int to = at;
    while (from > 0 && inWord(from - 1)) {
        --from;
    }
    while (to < m_text.size() && inWord(to)) {
        ++to;
    }
    Select(from, to);
    m_selecting = true;
}

void LongTextView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    auto withKeys = [](const QString& text, QKeySequence::StandardKey key) {
        return text + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
    };
    QAction* copy = menu.addAction(withKeys(tr("&Copy"), QKeySequence::Copy));
    copy->setEnabled(m_anchor != m_position);
    connect(copy, &QAction::triggered, this, [this] { Copy(); });
    QAction* all = menu.addAction(withKeys(tr("Select All"), QKeySequence::SelectAll));
    all->setEnabled(!m_text.isEmpty());
    connect(all, &QAction::triggered, this, [this] { SelectAll(); });
    menu.exec(event->globalPos());
}

}  // namespace quintara
