#include "qt/AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace quintara {

namespace {

// Watches every widget's paint, since a window's children paint over it and the window itself may not;
// goes once the window's first one is seen.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), m_window(&window), m_work(std::move(work)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so that the paint under way is finished and shown first.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [work = std::move(m_work), window = m_window] {
                    if (window != nullptr) {
                        work();
                    }
                },
                Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_work;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace quintara
