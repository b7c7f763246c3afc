#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qt/QtPlatform.h"
#include "ui/ControlArray.h"
#include "ui/Elements.h"
#include "ui/FormManager.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quintara {
namespace {

using ui::Geometry;

// A window with one element of every kind, a menu with an indexed array, and a label array.
class frmSample : public ui::Form {
public:
    frmSample() : Form("frmSample", "Quintara - Sample") {
        width = 7695;
        height = 6000;
        for (const char* name : {"Algorithm A", "Algorithm B", "Algorithm C"}) {
            cmbAlgorithms.AddItem(name);
        }
        mnuFileExit.onClick = [this] { lblStatus.caption = "exit chosen"; };
        mnuFileRecent.onClick = [this](int index) { lblStatus.caption = "recent " + std::to_string(index); };
        cmdSelect.onClick = [this] { cmbAlgorithms.SetListIndex(1); };
        cmbAlgorithms.onClick = [this] { clicks.push_back(cmbAlgorithms.Text()); };
        cmbAlgorithms.onChange = [this] { clicks.emplace_back("change"); };
        txtNumber.onChange = [this] { lblStatus.caption = "typed " + txtNumber.text; };
        MSChartLotto.SetSize(1, 3);
        MSChartLotto.SetTitle("Frequency of Drawn Numbers");
    }

    ui::MenuItem mnuFile{this, "mnuFile", "&File"};
    ui::ControlArray<ui::MenuItem> mnuFileRecent{this, "mnuFileRecent", "first.lot", &mnuFile};
    ui::MenuItem mnuFileExit{this, "mnuFileExit", "E&xit", &mnuFile};
    ui::MenuItem mnuHelp{this, "mnuHelp", "&Help"};
    ui::MenuItem mnuHelpAbout{this, "mnuHelpAbout", "About", &mnuHelp};
    ui::Label lblStatus{this, "lblStatus", "Ready", {1440, 720, 2400, 255}};
    ui::TextBox txtNumber{this, "txtNumber", "", {1440, 1200, 1200, 315}};
    ui::ComboBox cmbAlgorithms{this, "cmbAlgorithms", {1440, 1680, 3000, 315}};
    ui::CommandButton cmdSelect{this, "cmdSelect", "Select B", {4800, 1680, 1200, 375}};
    ui::RichTextBox txtPrint{this, "txtPrint", {120, 2200, 3000, 1000}};
    ui::Image Image1{this, "Image1", "", {4800, 120, 480, 480}};
    ui::Chart MSChartLotto{this, "MSChartLotto", {3300, 2200, 3000, 2000}};
    ui::ControlArray<ui::Label> lblBall{this, "lblBall", "Ball 1", Geometry{120, 4400, 615, 255}};
    std::vector<std::string> clicks;
};

// A dialog that the sample opens modally: OK hides it, Cancel unloads it.
class frmDialog : public ui::Form {
public:
    frmDialog() : Form("frmDialog", "Dialog") {
        cmdOK.onClick = [this] { Hide(); };
        cmdCancel.onClick = [this] { Unload(); };
    }
    ui::TextBox txtAnswer{this, "txtAnswer", "", {120, 120, 1200, 315}};
    ui::CommandButton cmdOK{this, "cmdOK", "OK", {120, 600, 900, 375}};
    ui::CommandButton cmdCancel{this, "cmdCancel", "Cancel", {1200, 600, 900, 375}};
};

void PressKey(QWidget& window, Qt::Key key) {
    for (QShortcut* shortcut : window.findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(key)) {
            emit shortcut->activated();
        }
    }
}

// Two boxes that only take "7"; a refusal is reported in a message box.
class frmBoxes : public ui::Form {
public:
    frmBoxes() : Form("frmBoxes", "Boxes") {
        txtBall1.onValidate = [this](bool& cancel) { Check(txtBall1, cancel); };
        txtBall2.onValidate = [this](bool& cancel) { Check(txtBall2, cancel); };
        cmdCancel.causesValidation = false;
        cmdOK.onClick = [this] { ++okClicks; };
    }
    ui::TextBox txtBall1{this, "txtBall1", "", {120, 120, 600, 315}};
    ui::TextBox txtBall2{this, "txtBall2", "", {840, 120, 600, 315}};
    ui::CommandButton cmdOK{this, "cmdOK", "OK", {120, 600, 900, 375}};
    ui::CommandButton cmdCancel{this, "cmdCancel", "&Cancel", {1200, 600, 900, 375}};
    int checks = 0;
    int okClicks = 0;

private:
    void Check(ui::TextBox& box, bool& cancel) {
        ++checks;
        if (box.text != "7") {
            Desktop().MsgBox("Only 7 will do", "Input Error");
            box.text.clear();
            cancel = true;
        }
    }
};

// Presses OK on every message box shown while it lives, from inside the event loop that shows the box.
// Like a window manager that is quick about it, it activates the box's owner again before the box's loop
// has ended, which hands the focus back to the widget the user had moved it to.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer() { qApp->installEventFilter(this); }
    ~MessageBoxAnswerer() override { qApp->removeEventFilter(this); }
    int answered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            QMetaObject::invokeMethod(
                this,
                [this, box = QPointer<QMessageBox>(box)] {
                    if (box == nullptr) {
                        return;
                    }
                    ++answered;
                    QWidget* owner = box->parentWidget();
                    box->accept();
                    if (owner != nullptr) {
                        owner->activateWindow();
                        QCoreApplication::processEvents();
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

class FormRendererTest : public testing::Test {
protected:
    template <class W>
    W* Widget(ui::Form& form, const char* name) {
        return desktop.Renderer().Window(form).findChild<W*>(QString::fromLatin1(name));
    }
    int Pixels(int twips) { return desktop.Renderer().ToPixels(twips); }

    QTemporaryDir folder;
    QtPlatform desktop{"/opt/quintara", folder.filePath(QStringLiteral("settings.ini"))};
    ui::FormManager forms{desktop};
};

TEST_F(FormRendererTest, EveryElementBecomesANamedWidgetPlacedFromItsTwips) {
    auto& sample = forms.Get<frmSample>();
    sample.lblBall.Load(1).left = 800;
    sample.txtPrint.visible = false;
    sample.Show();

    QWidget& window = desktop.Renderer().Window(sample);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Quintara - Sample");
    auto* status = Widget<QLabel>(sample, "lblStatus");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), "Ready");
    EXPECT_EQ(status->geometry(), QRect(Pixels(1440), Pixels(720), Pixels(2400), Pixels(255)));
    EXPECT_NE(Widget<QLineEdit>(sample, "txtNumber"), nullptr);
    ASSERT_NE(Widget<QComboBox>(sample, "cmbAlgorithms"), nullptr);
    EXPECT_EQ(Widget<QComboBox>(sample, "cmbAlgorithms")->count(), 3);
    EXPECT_EQ(Widget<QPushButton>(sample, "cmdSelect")->text(), "Select B");
    ASSERT_NE(Widget<QPlainTextEdit>(sample, "txtPrint"), nullptr);
    EXPECT_TRUE(Widget<QPlainTextEdit>(sample, "txtPrint")->isHidden());
    EXPECT_NE(Widget<QLabel>(sample, "Image1"), nullptr);
    ASSERT_NE(Widget<QChartView>(sample, "MSChartLotto"), nullptr);
    EXPECT_EQ(Widget<QChartView>(sample, "MSChartLotto")->chart()->title(), "Frequency of Drawn Numbers");
    EXPECT_NE(Widget<QLabel>(sample, "lblBall(0)"), nullptr);
    ASSERT_NE(Widget<QLabel>(sample, "lblBall(1)"), nullptr);
    EXPECT_EQ(Widget<QLabel>(sample, "lblBall(1)")->x(), Pixels(800));
    EXPECT_NE(Widget<QAction>(sample, "mnuFileExit"), nullptr);
    EXPECT_NE(Widget<QAction>(sample, "mnuFileRecent(0)"), nullptr);
    EXPECT_EQ(Widget<QAction>(sample, "mnuHelpAbout")->text(), "About");
    // The inner area is the form's, in pixels, below the menu bar.
    EXPECT_EQ(window.findChild<QWidget*>("frmSample.content")->size(),
              QSize(Pixels(sample.ScaleWidth()), Pixels(sample.ScaleHeight())));
}

TEST_F(FormRendererTest, CaptionsTooLongForTheirTwipsGetASmallerFont) {
    EXPECT_EQ(FormRenderer::DefaultFont().family(), "DejaVu Sans");
    EXPECT_EQ(FormRenderer::DefaultFont().pointSizeF(), 8.0);
    auto& sample = forms.Get<frmSample>();
    sample.lblStatus.caption = "Select an Algorithm from list:";
    sample.cmdSelect.caption = "A caption far too long for its button";
    sample.Show();

    auto* label = Widget<QLabel>(sample, "lblStatus");
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    EXPECT_LT(label->font().pointSizeF(), 8.0);
    EXPECT_GT(label->font().pointSizeF(), 6.0);
    EXPECT_LE(needed.height(), label->height());
    EXPECT_LE(needed.width(), label->width());
    auto* button = Widget<QPushButton>(sample, "cmdSelect");
    EXPECT_LT(button->font().pointSizeF(), 8.0);

    sample.lblStatus.caption = "Ready";
    desktop.DoEvents();
    EXPECT_EQ(label->font().pointSizeF(), 8.0) << "a short caption gets the whole font back";
}

TEST_F(FormRendererTest, AMenuCommandReachesItsReactionAndTheWindowFollows) {
    auto& sample = forms.Get<frmSample>();
    sample.Show();
    Widget<QAction>(sample, "mnuFileExit")->trigger();
    EXPECT_EQ(sample.lblStatus.caption, "exit chosen");
    EXPECT_EQ(Widget<QLabel>(sample, "lblStatus")->text(), "exit chosen");

    sample.mnuFileExit.enabled = false;
    sample.mnuFileRecent[0].checked = true;
    sample.mnuHelp.visible = false;
    desktop.DoEvents();
    EXPECT_FALSE(Widget<QAction>(sample, "mnuFileExit")->isEnabled());
    EXPECT_TRUE(Widget<QAction>(sample, "mnuFileRecent(0)")->isChecked());
    EXPECT_FALSE(Widget<QAction>(sample, "mnuHelp")->isVisible());

    // Choosing an item does not tick it; only the form does.
    Widget<QAction>(sample, "mnuFileRecent(0)")->trigger();
    EXPECT_EQ(sample.lblStatus.caption, "recent 0");
    EXPECT_TRUE(Widget<QAction>(sample, "mnuFileRecent(0)")->isChecked());
}

TEST_F(FormRendererTest, SelectingFromCodeClicksOnceAndTheUsersPickAndTypingAreTold) {
    auto& sample = forms.Get<frmSample>();
    sample.Show();
    Widget<QPushButton>(sample, "cmdSelect")->click();
    EXPECT_EQ(sample.clicks, std::vector<std::string>{"Algorithm B"});
    EXPECT_EQ(Widget<QComboBox>(sample, "cmbAlgorithms")->currentIndex(), 1);

    auto* combo = Widget<QComboBox>(sample, "cmbAlgorithms");
    combo->setCurrentIndex(2);
    emit combo->activated(2);  // what the list sends when the user picks its third item
    EXPECT_EQ(sample.cmbAlgorithms.ListIndex(), 2);
    EXPECT_EQ(sample.clicks, (std::vector<std::string>{"Algorithm B", "Algorithm C"}));

    auto* number = Widget<QLineEdit>(sample, "txtNumber");
    number->setFocus();
    number->insert(QStringLiteral("12"));  // as typed: raises textEdited
    EXPECT_EQ(sample.txtNumber.text, "12");
    EXPECT_EQ(Widget<QLabel>(sample, "lblStatus")->text(), "typed 12");
}

TEST_F(FormRendererTest, AModalShowReturnsWhenTheDialogIsHiddenOrUnloaded) {
    auto& sample = forms.Get<frmSample>();
    sample.Show();
    std::string answer;
    sample.cmdSelect.onClick = [&] {
        auto& dialog = sample.Manager().Get<frmDialog>();
        dialog.Show(ui::ShowMode::Modal);
        auto* open = sample.Manager().Find<frmDialog>();
        answer = open != nullptr ? open->txtAnswer.text : "cancelled";
    };

    QMetaObject::invokeMethod(
        qApp,
        [this] {
            auto& dialog = *forms.Find<frmDialog>();
            EXPECT_TRUE(desktop.Renderer().Window(dialog).isModal());
            dialog.txtAnswer.text = "42";
            Widget<QPushButton>(dialog, "cmdOK")->click();
        },
        Qt::QueuedConnection);
    Widget<QPushButton>(sample, "cmdSelect")->click();
    EXPECT_EQ(answer, "42");
    ASSERT_NE(forms.Find<frmDialog>(), nullptr);
    EXPECT_FALSE(desktop.Renderer().Window(*forms.Find<frmDialog>()).isVisible());

    QMetaObject::invokeMethod(
        qApp, [this] { Widget<QPushButton>(*forms.Find<frmDialog>(), "cmdCancel")->click(); },
        Qt::QueuedConnection);
    Widget<QPushButton>(sample, "cmdSelect")->click();
    EXPECT_EQ(answer, "cancelled");
    EXPECT_EQ(forms.Find<frmDialog>(), nullptr);
}

TEST_F(FormRendererTest, EnterAndEscPressTheDefaultAndCancelButtons) {
    auto& dialog = forms.Get<frmDialog>();
    int oks = 0;
    dialog.cmdOK.onClick = [&oks] { ++oks; };
    dialog.Show();
    QWidget& window = desktop.Renderer().Window(dialog);
    PressKey(window, Qt::Key_Return);
    EXPECT_EQ(oks, 0) << "no default button yet";
    dialog.cmdOK.isDefault = true;
    dialog.cmdCancel.isCancel = true;
    PressKey(window, Qt::Key_Return);
    EXPECT_EQ(oks, 1);
    PressKey(window, Qt::Key_Escape);
    EXPECT_EQ(forms.Find<frmDialog>(), nullptr);
}

TEST_F(FormRendererTest, AResizeByTheUserIsToldToTheFormWhichMayPutTheSizeBack) {
    auto& sample = forms.Get<frmSample>();
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
    EXPECT_EQ(sample.width, 7695);
}

TEST_F(FormRendererTest, ElementsMadeAtRunTimeGetWidgetsWhenEventsAreProcessed) {
    auto& sample = forms.Get<frmSample>();
    sample.Show();
    for (int i = 1; i <= 3; ++i) {
        sample.lblBall.Load(i).left = 120 + 700 * i;
        sample.lblBall[i].caption = "Ball " + std::to_string(i + 1);
    }
    sample.mnuFileRecent.Load(1).caption = "second.lot";
    EXPECT_EQ(Widget<QLabel>(sample, "lblBall(3)"), nullptr);
    desktop.DoEvents();

    auto* ball = Widget<QLabel>(sample, "lblBall(3)");
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->text(), "Ball 4");
    EXPECT_EQ(ball->x(), Pixels(2220));
    EXPECT_TRUE(ball->isVisible());
    QStringList fileMenu;
    for (QAction* action : Widget<QAction>(sample, "mnuFile")->menu()->actions()) {
        fileMenu.append(action->objectName());
    }
    EXPECT_EQ(fileMenu, (QStringList{"mnuFileRecent(0)", "mnuFileRecent(1)", "mnuFileExit"}));

    sample.lblBall.Unload(3);
    desktop.DoEvents();
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
    EXPECT_EQ(messages.answered, 1);
    EXPECT_EQ(boxes.checks, 1) << "the message box taking the focus and giving it back checks nothing";
    EXPECT_EQ(QApplication::focusWidget(), ball1);
    EXPECT_EQ(ball1->text(), "");

    // Typing into the other box is refused the same way, and what was typed there disappears.
    ball2->insert(QStringLiteral("5"));
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.checks, 2);
    EXPECT_EQ(messages.answered, 2);
    EXPECT_EQ(ball2->text(), "");
    EXPECT_EQ(boxes.txtBall2.text, "");

    // The Cancel button does not cause validation; OK does, and loses its click to the refusal.
    ball1->insert(QStringLiteral("9"));
    Widget<QPushButton>(boxes, "cmdCancel")->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.checks, 2);
    Widget<QPushButton>(boxes, "cmdOK")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.checks, 3);
    EXPECT_EQ(messages.answered, 3);
    EXPECT_EQ(boxes.okClicks, 0);
    EXPECT_EQ(QApplication::focusWidget(), ball1);

    ball1->insert(QStringLiteral("7"));
    ball2->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.checks, 4);
    EXPECT_EQ(QApplication::focusWidget(), ball2);
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall2);
}

}  // namespace
}  // namespace quintara
