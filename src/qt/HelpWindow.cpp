#include "qt/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quintara {

namespace {

QToolButton* MakeButton(QWidget* parent, const QString& name, const QString& text,
                        QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_browser(new QTextBrowser(this)),
      m_back(MakeButton(this, QStringLiteral("helpBack"), tr("Back"), QStyle::SP_ArrowBack)),
      m_forward(MakeButton(this, QStringLiteral("helpForward"), tr("Forward"), QStyle::SP_ArrowForward)),
      m_contents(MakeButton(this, QStringLiteral("helpContents"), tr("Contents"), QStyle::SP_DirHomeIcon)) {
    setObjectName(QStringLiteral("helpWindow"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    // Pages of the manual open here; addresses on the web go to the desktop's browser, if it has one.
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 4, 4, 0);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { ShowTitle(); });
    resize(720, 640);
    setWindowTitle(tr("Quintara Help"));
}

bool HelpWindow::Open(const QString& htmlFile) {
    // "Quintara.html#updating" opens the manual at that section, unless a file has that very name.
    QString path = htmlFile;
    QString section;
    if (const qsizetype hash = htmlFile.lastIndexOf(QLatin1Char('#'));
        hash > 0 && !QFileInfo(htmlFile).isFile()) {
        path = htmlFile.left(hash);
        section = htmlFile.mid(hash + 1);
    }
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        return false;
    }
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (!section.isEmpty()) {
        url.setFragment(section);
    }
    m_browser->setSource(url, QTextDocument::HtmlResource);
    // The history starts anew at the manual's own start, which Contents comes back to.
    m_browser->clearHistory();
    ShowTitle();
    return !m_browser->document()->isEmpty();
}

void HelpWindow::ShowTitle() {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Quintara Help") : title);
}

}  // namespace quintara
