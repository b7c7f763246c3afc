#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

#include "qt/DeferredIcons.h"
#include "qt/HelpWindow.h"
#include "qt/QtPlatform.h"
#include "qt/QtText.h"

namespace quintara {
namespace {

TEST(QtPlatformTest, FileFiltersAsTheProgramWritesThemBecomeQtNameFilters) {
    EXPECT_EQ(ToQtNameFilters("Text files (*.txt)|*.txt"), QStringList{"Text files (*.txt)"});
    EXPECT_EQ(ToQtNameFilters("(*.lot)|*.lot|(*.fil)|*.fil"), (QStringList{"(*.lot)", "(*.fil)"}));
    EXPECT_EQ(ToQtNameFilters("Saved lines|*.lot;*.fil"), QStringList{"Saved lines (*.lot *.fil)"});
    EXPECT_EQ(ToQtNameFilters(""), QStringList{});
}

TEST(QtPlatformTest, FileDialogsOpenInTheFolderLastUsedForTheirKindOfFile) {
    QTemporaryDir folder;
    QtPlatform desktop("/opt/quintara", folder.filePath(QStringLiteral("settings.ini")));
    const QDir root(folder.path());
    ASSERT_TRUE(root.mkdir(QStringLiteral("lines")) && root.mkdir(QStringLiteral("reports")));
    QFile lines(root.filePath(QStringLiteral("lines/a.lot")));
    ASSERT_TRUE(lines.open(QIODevice::WriteOnly));
    lines.close();
    QStringList startedIn;
    // Answers the next dialog with `file`, noting the folder it opened in.
    const auto answer = [&startedIn](const QString& file) {
        QTimer::singleShot(0, [&startedIn, file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            startedIn.append(dialog->directory().absolutePath());
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
    };
    const std::string linesFilter = "(*.lot)|*.lot";
    const std::string textFilter = "Text files (*.txt)|*.txt";
    for (int round = 0; round < 2; ++round) {
        answer(root.filePath(QStringLiteral("lines/a.lot")));
        EXPECT_EQ(desktop.FileOpenDialog(linesFilter, ""),
                  root.filePath(QStringLiteral("lines/a.lot")).toStdString());
        answer(root.filePath(QStringLiteral("reports/report.txt")));
        EXPECT_EQ(desktop.FileSaveDialog(textFilter, "report"),
                  root.filePath(QStringLiteral("reports/report.txt")).toStdString());
    }
    ASSERT_EQ(startedIn.size(), 4);
    EXPECT_EQ(startedIn.mid(2), (QStringList{root.filePath(QStringLiteral("lines")),
                                             root.filePath(QStringLiteral("reports"))}));
}

TEST(QtPlatformTest, SettingsComeBackInIndexOrderAndAMissingSectionIsEmpty) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("settings.ini"));
    {
        QtPlatform desktop("/opt/quintara", file);
        EXPECT_TRUE(desktop.ReadSettings("Recent Files").empty());
        ui::SettingsSection written;
        for (int i : {10, 2, 0, 1}) {
            written.emplace_back("RecentFile" + std::to_string(i), "C:\\Lines\\" + std::to_string(i));
        }
        desktop.WriteSettings("Recent Files", written);
    }
    QtPlatform later("/opt/quintara", file);
    const ui::SettingsSection expected{{"RecentFile0", "C:\\Lines\\0"},
                                       {"RecentFile1", "C:\\Lines\\1"},
                                       {"RecentFile2", "C:\\Lines\\2"},
                                       {"RecentFile10", "C:\\Lines\\10"}};
    EXPECT_EQ(later.ReadSettings("Recent Files"), expected);
}

TEST(QtPlatformTest, ASettingsFileThatIsNoPlainFileIsIgnored) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("settings.ini"));
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    // Reading a pipe would wait for a writer that never comes.
    QtPlatform desktop("/opt/quintara", pipe);
    EXPECT_TRUE(desktop.ReadSettings("Recent Files").empty());
    desktop.WriteSettings("Recent Files", {{"RecentFile0", "/x.lot"}});
    EXPECT_TRUE(desktop.ReadSettings("Recent Files").empty());
}

TEST(QtPlatformTest, TextsCrossBetweenTheProgramAndQtWithTheirOwnLineEnds) {
    EXPECT_EQ(ToQt("Combinations \xC2\xA3 1"), QStringLiteral("Combinations \u00A3 1"));
    for (const auto& [program, qt] :
         {std::pair<std::string, QString>{"", ""}, {"one\r\ntwo\r\n", "one\ntwo\n"}, {"\r\n\r\n", "\n\n"}}) {
        EXPECT_EQ(ToQtLines(program), qt) << program;
        EXPECT_EQ(ToProgramLines(qt), program) << program;
    }
    EXPECT_EQ(ToProgramLines(QStringLiteral("a\nb\r\nc")), "a\r\nb\r\nc");
}

TEST(QtPlatformTest, HelpShowsTheManualInItsOwnWindowAndWalksItsLinks) {
    QTemporaryDir folder;
    QtPlatform desktop("/opt/quintara", folder.filePath(QStringLiteral("settings.ini")));
    EXPECT_FALSE(desktop.ShowHelp(folder.filePath(QStringLiteral("Quintara.html")).toStdString()));

    const std::string manual = std::string(QUINTARA_APP_DIR) + "/Quintara.html";
    ASSERT_TRUE(desktop.ShowHelp(manual));
    HelpWindow* help = desktop.Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTextBrowser& browser = help->Browser();
    const QUrl start = browser.source();
    EXPECT_EQ(start, QUrl::fromLocalFile(QString::fromStdString(manual)));
    EXPECT_FALSE(help->BackButton().isEnabled() || help->ForwardButton().isEnabled());

    // Click the contents' first link as the user does.
    QTextCursor link = browser.document()->find(QStringLiteral("The main window"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 3);
    const QPoint at = browser.cursorRect(link).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, browser.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(browser.viewport(), &click);
    }
    EXPECT_EQ(browser.source().fragment(), QStringLiteral("main-window"));
    EXPECT_EQ(browser.source().adjusted(QUrl::RemoveFragment), start);
    EXPECT_GT(browser.verticalScrollBar()->value(), 0) << "the link did not move to its heading";
    ASSERT_TRUE(help->BackButton().isEnabled());

    help->BackButton().click();
    EXPECT_EQ(browser.source(), start);
    ASSERT_TRUE(help->ForwardButton().isEnabled());
    help->ForwardButton().click();
    EXPECT_EQ(browser.source().fragment(), QStringLiteral("main-window"));
    help->ContentsButton().click();
    EXPECT_EQ(browser.source(), start);

    // Asked again, the same window comes back at the manual's start.
    ASSERT_TRUE(desktop.ShowHelp(manual));
    EXPECT_EQ(desktop.Help(), help);
    EXPECT_EQ(browser.source(), start);
}

TEST(QtPlatformTest, TheMenuBarsOverflowArrowIsTheStylesOwnWhenItIsShown) {
    const QtPlatform desktop(QDir::tempPath().toStdString());
    DeferOverflowIcons();  // a second time: still one style over the one Qt chose
    QStyle* style = QApplication::style();
    const auto* proxy = qobject_cast<QProxyStyle*>(style);
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(qobject_cast<const QProxyStyle*>(proxy->baseStyle()), nullptr);
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon arrow = style->standardIcon(which);
        EXPECT_FALSE(arrow.isNull());
        EXPECT_EQ(arrow.pixmap(16).toImage(), proxy->baseStyle()->standardIcon(which).pixmap(16).toImage());
    }
}

}  // namespace
}  // namespace quintara
