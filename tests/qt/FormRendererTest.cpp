#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTemporaryDir>
#include <QThreadPool>
#include <gtest/gtest.h>

#include "MessageBoxAnswerer.h"
#include "qt/AfterFirstPaint.h"
#include "qt/LongTextView.h"
#include "qt/Pictures.h"
#include "qt/QtPlatform.h"
#include "qt/QtText.h"
#include "support/SampleForms.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quintara {
namespace {

using test::frmBoxes;
using test::frmDialog;
using test::frmSample;
using test::MessageBoxAnswerer;

class FormRendererTest : public testing::Test {
protected:
    template <class W = QWidget>
    W* Widget(ui::Form& form, const char* name) {
        return desktop.Renderer().Window(form).findChild<W*>(QString::fromLatin1(name));
    }
    int Pixels(int twips) { return desktop.Renderer().ToPixels(twips); }
    void PressKey(ui::Form& form, Qt::Key key) {
        for (QShortcut* shortcut : desktop.Renderer().Window(form).findChildren<QShortcut*>()) {
            if (shortcut->key() == QKeySequence(key)) {
                emit shortcut->activated();
            }
        }
    }
    // Runs `steps` from the event loop that a modal show starts.
    void WhenModal(std::function<void()> steps) {
        QMetaObject::invokeMethod(qApp, std::move(steps), Qt::QueuedConnection);
    }

    QTemporaryDir folder;
    QtPlatform desktop{"/opt/quintara", folder.filePath(QStringLiteral("settings.ini"))};
    ui::FormManager forms{desktop};
    frmSample& sample = forms.Get<frmSample>();
};

TEST_F(FormRendererTest, EveryElementBecomesANamedWidgetPlacedFromItsTwips) {
    sample.txtPrint.visible = false;
    sample.Show();

    QWidget& window = desktop.Renderer().Window(sample);
    EXPECT_EQ(window.windowTitle(), "Quintara - Sample");
    auto* status = Widget<QLabel>(sample, "lblStatus");
    EXPECT_EQ(status->text(), "Ready");
    EXPECT_EQ(status->geometry(), QRect(Pixels(1440), Pixels(720), Pixels(2400), Pixels(255)));
    EXPECT_EQ(Widget<QPushButton>(sample, "cmdSelect")->text(), "Select B");
    EXPECT_TRUE(Widget<QPlainTextEdit>(sample, "txtPrint")->isHidden());
    // The inner area is the form's, in pixels, below the menu bar.
    EXPECT_EQ(window.findChild<QWidget*>("frmSample.content")->size(),
              QSize(Pixels(sample.ScaleWidth()), Pixels(sample.ScaleHeight())));
}

TEST_F(FormRendererTest, CaptionsTooLongForTheirTwipsGetASmallerFont) {
    const double full = FormRenderer::DefaultFont().pointSizeF();
    sample.lblStatus.caption = "Select an Algorithm from list:";
    sample.cmdSelect.caption = "A caption far too long for its button";
    sample.Show();

    auto* label = Widget<QLabel>(sample, "lblStatus");
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    EXPECT_LT(label->font().pointSizeF(), full);
    EXPECT_GT(label->font().pointSizeF(), 6.0);
    EXPECT_LE(needed.height(), label->height());
    EXPECT_LE(needed.width(), label->width());
    EXPECT_LT(Widget<QPushButton>(sample, "cmdSelect")->font().pointSizeF(), full);

    sample.lblStatus.caption = "Ready";
    desktop.ProcessEvents(1);
    EXPECT_EQ(label->font().pointSizeF(), full) << "a short caption gets the whole font back";
}

TEST_F(FormRendererTest, MenuCommandsSelectionsAndTypingReachTheirReactionsAndTheWindowFollows) {
    sample.Show();
    Widget<QAction>(sample, "mnuFileExit")->trigger();
    EXPECT_EQ(Widget<QLabel>(sample, "lblStatus")->text(), "mnuFileExit click");

    sample.mnuFileExit.enabled = false;
    sample.mnuFileRecent[0].checked = true;
    sample.mnuHelp.visible = false;
    desktop.ProcessEvents(1);
    EXPECT_FALSE(Widget<QAction>(sample, "mnuFileExit")->isEnabled());
    EXPECT_TRUE(Widget<QAction>(sample, "mnuFileRecent(0)")->isChecked());
    EXPECT_FALSE(Widget<QAction>(sample, "mnuHelp")->isVisible());
    // Choosing an item does not tick it; only the form does.
    Widget<QAction>(sample, "mnuFileRecent(0)")->trigger();
    EXPECT_EQ(sample.log.back(), "mnuFileRecent click 0");
    EXPECT_TRUE(Widget<QAction>(sample, "mnuFileRecent(0)")->isChecked());
    // A caption that is a file's name shows its "&"; a caption of the program marks an access key.
    sample.mnuFileRecent[0].caption = "Tom & Jerry.lot";
    sample.mnuFileRecent[0].literalCaption = true;
    desktop.ProcessEvents(1);
    EXPECT_EQ(Widget<QAction>(sample, "mnuFileRecent(0)")->text(), "Tom && Jerry.lot");

    // A selection from code clicks once; the user's pick clicks too, and typing changes.
    sample.log.clear();
    auto* combo = Widget<QComboBox>(sample, "cmbAlgorithms");
    Widget<QPushButton>(sample, "cmdSelect")->click();
    EXPECT_EQ(combo->currentIndex(), 1);
    combo->setCurrentIndex(2);
    emit combo->activated(2);  // what the list sends when the user picks its third item
    EXPECT_EQ(sample.cmbAlgorithms.ListIndex(), 2);
    EXPECT_EQ(sample.log, (std::vector<std::string>{"cmbAlgorithms click Algorithm B",
                                                    "cmbAlgorithms click Algorithm C"}));
    auto* number = Widget<QLineEdit>(sample, "txtNumber");
    number->setFocus();
    number->insert(QStringLiteral("12"));  // as typed: raises textEdited
    EXPECT_EQ(sample.txtNumber.text, "12");
    EXPECT_EQ(Widget<QLabel>(sample, "lblStatus")->text(), "txtNumber change 12");
}

TEST_F(FormRendererTest, ALockedLongTextIsShownLazilyAndStillSelectedAndCopiedWhole) {
    std::string report;
    for (int line = 1; line <= 20000; ++line) {
        report += "Draw Number: " + std::to_string(line) + "\r\n";
    }
    sample.txtPrint.locked = true;
    sample.txtPrint.text = report;
    sample.Show();

    auto* view = Widget<LongTextView>(sample, "txtPrint");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Text(), ToQtLines(report));
    view->SelectAll();
    view->Copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ToQtLines(report));
    // A screen reader reads it as a read-only text, its selection included.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(view);
    ASSERT_TRUE(reader != nullptr && reader->textInterface() != nullptr);
    EXPECT_TRUE(reader->state().readOnly);
    EXPECT_EQ(reader->textInterface()->text(0, 15), "Draw Number: 1\n");
    int start = -1;
    int end = -1;
    reader->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(end - start, view->Text().size());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    EXPECT_GT(view->FirstVisibleLine(), 19900) << "the end of the text is reached by scrolling";

    // Unlocked, the box is an editable one again.
    sample.txtPrint.locked = false;
    desktop.ProcessEvents(1);
    auto* edit = Widget<QPlainTextEdit>(sample, "txtPrint");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->toPlainText(), ToQtLines(report));
    EXPECT_FALSE(edit->isReadOnly());
}

// Read ahead for the splash, a picture is shown once its reading is done, at the size it is shown; read
// ahead for the main window, it is taken as read.
TEST_F(FormRendererTest, APictureReadAheadIsShownAtItsSizeWithoutReadingItsFileAgain) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("ball.png"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUINTARA_APP_DIR "/ball.png"), copy));
    PrefetchPicture(copy.toStdString());
    sample.Image1.picture = copy.toStdString();
    sample.Image1.stretch = true;
    sample.Show();
    QThreadPool::globalInstance()->waitForDone();
    desktop.ProcessEvents(1);
    const QLabel& shown = *Widget<QLabel>(sample, "Image1");
    EXPECT_EQ(shown.pixmap().size(), shown.contentsRect().size() * shown.devicePixelRatio());

    const QString ahead = dir.filePath(QStringLiteral("ahead.png"));
    ASSERT_TRUE(QFile::rename(copy, ahead));
    ReadAheadPictures({ahead.toStdString()});
    QThreadPool::globalInstance()->waitForDone();
    ASSERT_TRUE(QFile::remove(ahead));
    sample.Image1.picture = ahead.toStdString();
    desktop.ProcessEvents(1);
    EXPECT_FALSE(shown.pixmap().isNull());
}

TEST_F(FormRendererTest, WorkAfterTheFirstPaintRunsOnceTheWindowIsPaintedAndOnce) {
    sample.Show();
    int runs = 0;
    QWidget& window = desktop.Renderer().Window(sample);
    AfterFirstPaint(window, [&runs] { ++runs; });
    EXPECT_EQ(runs, 0);
    for (int paint = 0; paint < 2; ++paint) {
        window.repaint();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(runs, 1);
}

TEST_F(FormRendererTest, APictureWhoseNameDoesNotSayItsFormatIsReadByItsContents) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("ball.picture"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUINTARA_APP_DIR "/ball.png"), picture));
    sample.Image1.picture = picture.toStdString();
    sample.Show();
    EXPECT_FALSE(Widget<QLabel>(sample, "Image1")->pixmap().isNull());
}

TEST_F(FormRendererTest, AModalShowReturnsWhenTheDialogIsHiddenOrUnloaded) {
    sample.Show();
    WhenModal([this] {
        auto& dialog = *forms.Find<frmDialog>();
        EXPECT_TRUE(desktop.Renderer().Window(dialog).isModal());
        dialog.txtAnswer.text = "42";
        Widget<QPushButton>(dialog, "cmdOK")->click();
    });
    Widget<QPushButton>(sample, "cmdAsk")->click();
    EXPECT_EQ(sample.lblStatus.caption, "42 read twice");

    WhenModal([this] { Widget<QPushButton>(*forms.Find<frmDialog>(), "cmdCancel")->click(); });
    Widget<QPushButton>(sample, "cmdAsk")->click();
    EXPECT_EQ(sample.lblStatus.caption, "cancelled");
    EXPECT_EQ(forms.Find<frmDialog>(), nullptr);
}

TEST_F(FormRendererTest, EnterAndEscPressTheDefaultAndCancelButtons) {
    auto& dialog = forms.Get<frmDialog>();
    int oks = 0;
    dialog.cmdOK.onClick = [&oks] { ++oks; };
    dialog.Show();
    PressKey(dialog, Qt::Key_Return);
    PressKey(dialog, Qt::Key_Escape);
    EXPECT_EQ(oks, 0) << "no default button yet";
    EXPECT_NE(forms.Find<frmDialog>(), nullptr) << "no Cancel button, and not a window Escape closes";
    dialog.cmdOK.isDefault = true;
    dialog.cmdCancel.isCancel = true;
    PressKey(dialog, Qt::Key_Return);
    EXPECT_EQ(oks, 1);
    PressKey(dialog, Qt::Key_Escape);
    EXPECT_EQ(forms.Find<frmDialog>(), nullptr);

    // A window without a Cancel button that holds nothing to lose closes on Escape as by its close box.
    auto& report = forms.Get<frmDialog>();
    report.closesOnEscape = true;
    report.Show();
    PressKey(report, Qt::Key_Escape);
    EXPECT_EQ(forms.Find<frmDialog>(), nullptr);
}

TEST_F(FormRendererTest, AResizeByTheUserIsToldToTheFormWhichMayPutTheSizeBack) {
    int resizes = 0;
    sample.onResize = [&] {
        ++resizes;
        sample.width = 7695;
        sample.height = 6000;
    };
    sample.Show();
    EXPECT_EQ(resizes, 1);
    QWidget& window = desktop.Renderer().Window(sample);
    const QSize designed = window.size();
    window.resize(designed + QSize(150, 90));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(window.size(), designed);
}

TEST_F(FormRendererTest, ElementsMadeAtRunTimeGetWidgetsWhenEventsAreProcessed) {
    sample.Show();
    for (int i = 1; i <= 3; ++i) {
        sample.lblBall.Load(i).left = 120 + 700 * i;
        sample.lblBall[i].caption = "Ball " + std::to_string(i + 1);
    }
    sample.mnuFileRecent.Load(1).caption = "second.lot";
    EXPECT_EQ(Widget<QLabel>(sample, "lblBall(3)"), nullptr);
    desktop.ProcessEvents(1);

    auto* ball = Widget<QLabel>(sample, "lblBall(3)");
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->text(), "Ball 4");
    EXPECT_EQ(ball->x(), Pixels(2220));
    EXPECT_TRUE(ball->isVisible());
    QStringList fileMenu;
    for (QAction* action : Widget<QAction>(sample, "mnuFile")->menu()->actions()) {
        fileMenu.append(action->objectName());
    }
    EXPECT_EQ(fileMenu,
              (QStringList{"mnuFileRecent(0)", "mnuFileRecent(1)", "mnuFileHyphen3", "mnuFileExit"}));

    sample.lblBall.Unload(3);
    desktop.ProcessEvents(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Widget<QLabel>(sample, "lblBall(3)"), nullptr);
}

TEST_F(FormRendererTest, LeavingABoxChecksItOnceAndARefusalPutsTheFocusBack) {
    auto& boxes = forms.Get<frmBoxes>();
    boxes.Show();
    QWidget& window = desktop.Renderer().Window(boxes);
    window.activateWindow();
    QCoreApplication::processEvents();
    auto* ball1 = Widget<QLineEdit>(boxes, "txtBall1");
    auto* ball2 = Widget<QLineEdit>(boxes, "txtBall2");
    ASSERT_EQ(QApplication::focusWidget(), ball1);

    ball1->insert(QStringLiteral("8"));
    MessageBoxAnswerer messages;
    ball2->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(boxes.checked.size(), 1u)
        << "the message box taking the focus and giving it back checks nothing";
    EXPECT_EQ(QApplication::focusWidget(), ball1);
    EXPECT_EQ(ball1->text(), "");

    // Typing into the other box is refused the same way, and what was typed there disappears.
    ball2->insert(QStringLiteral("5"));
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(boxes.checked.size(), messages.messages.size()), std::pair(2UL, 2UL));
    EXPECT_EQ(ball2->text(), "");
    EXPECT_EQ(boxes.txtBall2.text, "");

    // The Cancel button does not cause validation; OK does, and loses its click to the refusal.
    ball1->insert(QStringLiteral("9"));
    Widget<QPushButton>(boxes, "cmdCancel")->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.checked.size(), 2u);
    Widget<QPushButton>(boxes, "cmdOK")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(boxes.checked.size(), messages.messages.size()), std::pair(3UL, 3UL));
    EXPECT_EQ(boxes.okClicks, 0);
    EXPECT_EQ(QApplication::focusWidget(), ball1);

    ball1->insert(QStringLiteral("7"));
    ball2->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.checked.size(), 4u);
    EXPECT_EQ(QApplication::focusWidget(), ball2);
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall2);
}

}  // namespace
}  // namespace quintara
