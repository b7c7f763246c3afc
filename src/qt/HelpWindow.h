#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace quintara {

// The program's own window for its HTML manual, so that help never needs the desktop's browser: links
// inside the manual are followed here, Back, Forward and Contents walk them, and web links go to the desktop.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the manual at its start, or at the section named after a "#"; false, with the window left as it
    // was, when the file cannot be read.
    bool Open(const QString& htmlFile);

    QTextBrowser& Browser() { return *m_browser; }
    QToolButton& BackButton() { return *m_back; }
    QToolButton& ForwardButton() { return *m_forward; }
    QToolButton& ContentsButton() { return *m_contents; }

private:
    void ShowTitle();

    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    QToolButton* m_contents;
};

}  // namespace quintara
