#include "qt/DeferredIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>

namespace quintara {

namespace {

// A standard icon of a style, asked for when something first wants its pixels or sizes.
class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    // Not null before it is read: the button would otherwise read it to tell.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("QuintaraDeferredIcon"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_style, m_which); }

private:
    const QIcon& Icon() {
        if (!m_read) {
            m_read = true;
            if (m_style != nullptr) {
                m_icon = m_style->standardIcon(m_which);
            }
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    bool m_read = false;
    QIcon m_icon;
};

class DeferredOverflowIconsStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        // The base style picks these by the application's direction alone, so reading them later gives
        // the same picture.
        if (option == nullptr &&
            (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)) {
            return QIcon(new DeferredIconEngine(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void DeferOverflowIcons() {
    QStyle* current = QApplication::style();
    if (dynamic_cast<DeferredOverflowIconsStyle*>(current) == nullptr) {
        // The proxy takes the style in use as its base (and over from the application).
        QApplication::setStyle(new DeferredOverflowIconsStyle(current));
    }
}

}  // namespace quintara
