#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <vector>

class QTextLayout;
class QTimer;

namespace quintara {

// A read-only text box for texts of any length: it keeps the text and where each line starts, and lays out
// only the lines on screen, so that a report of forty thousand lines shows at once. It reads as a read-only
// QPlainTextEdit does: lines wrapped at the box's width, selection with the mouse (a double click takes a
// word), Ctrl+C and Ctrl+A and their context menu, scrolling by wheel, keys and scroll bar.
class LongTextView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit LongTextView(QWidget* parent = nullptr);

    // The text, its lines ended by LF.
    void SetText(const QString& text);
    const QString& Text() const { return m_text; }
    QString SelectedText() const;
    void SelectAll();
    void Copy() const;
    // The line at the top of the box.
    int FirstVisibleLine() const;
    // The selection, from where it was started to where it now ends (equal when nothing is selected).
    int Anchor() const { return m_anchor; }
    int Position() const { return m_position; }
    void Select(int anchor, int position);
    // The character position nearest to a point of the viewport.
    int PositionAt(const QPoint& point) const;
    // Scrolls until the line holding the character position is in view.
    void ShowPosition(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int LineCount() const { return static_cast<int>(m_lineStarts.size()); }
    int LineStart(int line) const { return m_lineStarts[static_cast<std::size_t>(line)]; }
    int LineLength(int line) const;
    // Line `line` laid out at the box's width.
    void LayOut(QTextLayout& layout, int line) const;
    void UpdateScrollRange();

    QString m_text;
    std::vector<int> m_lineStarts;  // [i]: where line i starts in the text
    int m_anchor = 0;
    int m_position = 0;
    bool m_selecting = false;
    QTimer* m_autoScroll;
};

}  // namespace quintara
