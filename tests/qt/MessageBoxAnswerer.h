#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <string>
#include <vector>

namespace quintara::test {

// Presses OK on every message box shown while it lives, from inside the event loop that shows the box, and
// notes its text; with `cancel`, presses Cancel on a progress window as soon as it shows. Like a window
// manager that is quick about it, it activates the box's owner again before the box's loop has ended,
// which hands the focus back to the widget the user had moved it to.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer() { qApp->installEventFilter(this); }
    ~MessageBoxAnswerer() override { qApp->removeEventFilter(this); }
    std::vector<std::string> messages;  // the texts of the boxes answered, in order
    bool cancel = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) {
            return false;
        }
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            QMetaObject::invokeMethod(
                this,
                [this, box = QPointer<QMessageBox>(box)] {
                    if (box == nullptr) {
                        return;
                    }
                    messages.push_back(box->text().toStdString());
                    QWidget* owner = box->parentWidget();
                    box->accept();
                    if (owner != nullptr) {
                        owner->activateWindow();
                        QCoreApplication::processEvents();
                    }
                },
                Qt::QueuedConnection);
        } else if (auto* progress = qobject_cast<QProgressDialog*>(watched); progress != nullptr && cancel) {
            if (auto* button = progress->findChild<QPushButton*>()) {
                QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

}  // namespace quintara::test
