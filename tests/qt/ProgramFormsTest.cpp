#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

#include "formkit/Accessibility.h"
#include "lines/LinesFile.h"
#include "qt/QtPlatform.h"
#include "support/TempDir.h"
#include "ui/check/CheckCommands.h"
#include "ui/check/frmCheckNumbers.h"
#include "ui/check/frmWins.h"
#include "ui/history/frmUpdateLottoHistory.h"
#include "ui/main/frmQuintara.h"
#include "ui/picks/frmMostLikely7Numbers.h"
#include "ui/picks/frmMostLikelyNumbers.h"
#include "ui/picks/frmNumberOfPersonalPicks.h"
#include "ui/picks/frmPersonalPicks.h"
#include "ui/picks/frmPickedNumbers.h"
#include "ui/picks/frmViewPersonalPicks.h"
#include "ui/picks/frmWheelGuarantees.h"
#include "ui/simulate/frmNumberOfDraws.h"
#include "ui/simulate/frmSimulatedWins.h"
#include "ui/start/frmAbout.h"
#include "ui/start/frmSplash.h"
#include "ui/stats/StatisticsChartForm.h"
#include "ui/stats/frmBallAverages.h"
#include "ui/stats/frmBallLastDrawn.h"

namespace quintara::ui {
namespace {

void ExpectWhole(QtPlatform& desktop, const Label& label);

// Shows every window of the program and checks what it shows.
class ProgramFormsTest : public testing::Test {
protected:
    // Every element of the shown form has its widget, or its menu action, named after it, and every
    // picture it names shows: the folder is a copy of the built application folder's shipped files.
    void ExpectRendered(Form& form) {
        form.Show();
        desktop.ProcessEvents(1);
        QWidget& window = desktop.Renderer().Window(form);
        for (const Element* element : form.Elements()) {
            const QString name = QString::fromStdString(element->Id());
            const bool found = element->Kind() == ElementKind::MenuItem
                                   ? window.findChild<QAction*>(name) != nullptr
                                   : window.findChild<QWidget*>(name) != nullptr;
            EXPECT_TRUE(found) << form.Name() << " has no widget for " << element->Id();
            if (element->Kind() != ElementKind::Image) {
                continue;
            }
            const auto& image = static_cast<const Image&>(*element);
            if (image.picture.empty()) {
                continue;
            }
            const auto file = std::filesystem::path(image.picture).filename();
            pictures.insert(file.string());
            const auto* shown = window.findChild<QLabel*>(name);
            EXPECT_TRUE(shown != nullptr && !shown->pixmap().isNull())
                << form.Name() << "." << element->Id() << " shows no picture: " << file << " is not shipped";
        }
    }

    void TearDown() override { app.forms.UnloadAll(); }

    // The chart of `form` once its window's size has reached it, laid out as a paint would.
    QChartView& ChartOf(Form& form) {
        for (int turn = 0; turn < 3; ++turn) {
            desktop.ProcessEvents(1);
        }
        auto* view = desktop.Renderer().Window(form).findChild<QChartView*>(QStringLiteral("MSChartLotto"));
        if (view == nullptr) {
            throw std::runtime_error(form.Name() + " shows no chart");
        }
        view->grab();
        return *view;
    }
    QCategoryAxis& AxisOf(QChartView& view) {
        return *static_cast<QCategoryAxis*>(view.chart()->axes(Qt::Horizontal)[0]);
    }

    quintara::test::TempDir dir;
    QtPlatform desktop{quintara::test::CopiedAppFolder(dir),
                       QString::fromStdString((dir / "settings.ini").string())};
    App app{desktop, dir.Path()};
    frmQuintara& main = app.forms.Get<frmQuintara>(app);
    std::set<std::string> pictures;
};

TEST_F(ProgramFormsTest, EveryWindowOfTheProgramRendersEveryElementAndPicture) {
    ExpectRendered(main);
    // The games whose histories the program ships; the others would stop at a message box.
    for (MenuItem* game : {&main.mnuDrawThunderball, &main.mnuDrawLotto}) {
        game->Click();
        ExpectRendered(main);
    }

    // The most likely numbers, the check and the update windows and the view of personal picks are shown
    // in every layout by the tests below.
    main.mnuPick6.Click();
    ExpectRendered(app.forms.Get<frmPickedNumbers>(app));
    ExpectRendered(app.forms.Get<frmNumberOfPersonalPicks>(app));
    ExpectRendered(app.forms.Get<frmPersonalPicks>(app, 12));
    ExpectRendered(app.forms.Get<frmAbout>(app));
    ExpectRendered(app.forms.Get<frmSplash>(app));
    ExpectRendered(app.forms.Get<frmWins>(app));
    ExpectRendered(app.forms.Get<frmBallLastDrawn>(app));
    ExpectRendered(app.forms.Get<frmBallAverages>(app));
    ExpectRendered(app.forms.Get<frmFrequencyBarChart>(app));
    ExpectRendered(app.forms.Get<frmLastDrawnBarChart>(app));
    ExpectRendered(app.forms.Get<frmBallAveragesBarChart>(app));
    auto& numberOfDraws = app.forms.Get<frmNumberOfDraws>(app, [](std::int16_t) {});
    ExpectRendered(numberOfDraws);
    ExpectWhole(desktop, numberOfDraws.lblDisplay);
    app.state.ReportText = "Total Strikes from 1 Draws using all 28 Numbers:\r\n";
    ExpectRendered(app.forms.Get<frmSimulatedWins>(app));
    ExpectRendered(app.forms.Get<frmWheelGuarantees>(app));
    EXPECT_EQ(pictures, (std::set<std::string>{"about.png", "ball.png", "bonusball.png", "splash.png"}));
}

TEST_F(ProgramFormsTest, SavedLinesModeAndTheRecentFilesOfTheFileMenu) {
    main.Show();
    SavedLines three{Game::Lotto, OneBased<LottoDrawRec>(3), {}};
    three.picked[1].Balls = {1, 9, 10, 22, 38, 49};
    ASSERT_TRUE(SaveLines(dir / "picks.txt", three, 46000).has_value());
    ASSERT_TRUE(main.LoadLinesFile(dir / "picks.lot"));
    ExpectRendered(main);  // the mode's texts are SavedLinesTest's
    QWidget& window = desktop.Renderer().Window(main);

    // The recent items stand between the second and third separators, newest first, by file name.
    const auto* file = window.findChild<QAction*>("mnuFile");
    ASSERT_TRUE(file != nullptr && file->menu() != nullptr);
    QStringList shown;
    for (const QAction* action : file->menu()->actions()) {
        if (action->isVisible()) {
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    EXPECT_EQ(shown, (QStringList{"S&ave", "&Load Saved", "Import Wheel", "-", "P&rint Picked Numbers", "-",
                                  "picks.lot", "-", "E&xit"}));
}

// The label's caption stands on one line, in the font it asks for, clear of its border if it has one.
void ExpectWhole(QtPlatform& desktop, const Label& label) {
    const QWidget& window = desktop.Renderer().Window(label.Owner());
    const std::string where = label.Owner().Name() + "." + label.Id();
    const auto* shown = window.findChild<QLabel*>(QString::fromStdString(label.Id()));
    ASSERT_NE(shown, nullptr) << where;
    const QFont asked = FormRenderer::DefaultFont();
    EXPECT_EQ(shown->font().pointSizeF(), label.font.size > 0 ? label.font.size : asked.pointSizeF())
        << where << " was shrunk to fit";
    const QFontMetrics metrics(shown->font());
    const int room = shown->contentsRect().width() - 2 * shown->margin();
    EXPECT_LE(metrics.horizontalAdvance(shown->text()), room) << where;
    EXPECT_LE(metrics.height(), shown->contentsRect().height() - 2 * shown->margin()) << where;
    EXPECT_FALSE(label.border && shown->margin() < 2) << where << " touches its border";
}

TEST_F(ProgramFormsTest, TotalsAndNumbersStandWholeInTheirLabelsAndBoxes) {
    main.Show();
    // Every game on its shipped history, today's games among them, and Lotto last for the views below.
    for (Game game : {Game::Thunderball, Game::Lotto59, Game::Thunderball39, Game::Lotto}) {
        main.DrawMenuItems()[static_cast<std::size_t>(game)]->Click();
        ASSERT_GT(app.state.LastDraw, 0) << GameName(game);
        auto& picks = app.forms.Get<frmMostLikelyNumbers>(app);
        ExpectRendered(picks);
        for (const Label* total :
             {&picks.lblApproxAverageOccurance, &picks.lblTotalCombinations, &picks.lblMaxFrequency}) {
            ExpectWhole(desktop, *total);
        }
        picks.Unload();
    }

    main.cmbAlgorithms.UserSelects(2);
    main.mnuShowMostLikelyNumbers.Click();
    auto* seven = app.forms.Find<frmMostLikely7Numbers>();
    ASSERT_NE(seven, nullptr);
    ExpectRendered(*seven);
    for (int i = 1; i <= seven->lblActualNumber.UBound(); ++i) {
        ExpectWhole(desktop, seven->lblPointerNumber[i]);
        ExpectWhole(desktop, seven->lblActualNumber[i]);
    }

    // The check window's captions, in each game's layout.
    CheckCommands check(app, main);
    for (Game game : kAllGames) {
        app.state.CurrentGame = GameName(game);
        auto& checkWindow = app.forms.Get<frmCheckNumbers>(app, check);
        ExpectRendered(checkWindow);
        for (const Label* label :
             {&checkWindow.lblCheckNumbers, &checkWindow.Label1, &checkWindow.Label6, &checkWindow.Label7}) {
            ExpectWhole(desktop, *label);
        }
        checkWindow.Unload();
    }
    app.state.CurrentGame = GameName(Game::Lotto);

    app.state.PersonalNumbers = OneBased<std::int16_t>{40, 3, 17, 12, 9, 31, 48, 1, 26, 35, 44, 28};
    auto& personal = app.forms.Get<frmViewPersonalPicks>(app);
    ExpectRendered(personal);
    for (int i = 1; i <= personal.lblActualNumber.UBound(); ++i) {
        ExpectWhole(desktop, personal.lblPointerNumber[i]);
        ExpectWhole(desktop, personal.lblActualNumber[i]);
    }
}

TEST_F(ProgramFormsTest, ChartsDrawOneBarPerBallWithLabelsThatStandApart) {
    main.Show();
    main.mnuLastDrawnBarChart.Click();
    auto& form = *app.forms.Find<frmLastDrawnBarChart>();
    QChartView* view = &ChartOf(form);
    QChart& chart = *view->chart();
    EXPECT_EQ(chart.title().toStdString(), form.MSChartLotto.Data().title);
    ASSERT_EQ(chart.series().size(), 1);
    const auto sets = static_cast<QBarSeries*>(chart.series()[0])->barSets();
    ASSERT_EQ(sets.size(), 1);
    ASSERT_EQ(sets[0]->count(), 49);
    for (int i = 0; i < 49; ++i) {
        EXPECT_EQ(sets[0]->at(i), app.state.BallLastDrawn[static_cast<std::size_t>(i + 1)].Ball) << i;
    }

    // Forty-nine dates stand on end, each under its bar, and only as many as fit side by side are written.
    const auto axes = chart.axes(Qt::Horizontal);
    ASSERT_EQ(axes.size(), 1);
    auto& axis = AxisOf(*view);
    EXPECT_EQ(axis.labelsAngle(), -90);
    const QStringList shown = axis.categoriesLabels();
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown[0], QString::fromStdString(form.MSChartLotto.Data().columnLabels[0]));
    EXPECT_EQ(axis.endValue(shown[0]), 0.0);
    const qreal step = axis.endValue(shown[1]) - axis.endValue(shown[0]);
    EXPECT_EQ(axis.endValue(shown.back()), step * static_cast<qreal>(shown.size() - 1));
    EXPECT_GT(axis.endValue(shown.back()) + step, 48.0);
    const qreal room = chart.plotArea().width() / 49 * step;
    EXPECT_GE(room, QFontMetricsF(axis.labelsFont()).height()) << shown.size() << " labels shown";

    // Resting on a bar tells its date and ball.
    emit sets[0]->hovered(true, 2);
    const auto& third = app.state.BallLastDrawn[3];
    EXPECT_EQ(view->toolTip(),
              QString::fromStdString(FormatDate(third.DrawDate) + ": " + std::to_string(third.Ball)));
    emit sets[0]->hovered(false, 2);
    EXPECT_TRUE(view->toolTip().isEmpty());

    // Few bars keep every label upright.
    main.mnuDrawThunderball.Click();
    main.mnuThunderballFrequencyBarChart.Click();
    auto& upright = AxisOf(ChartOf(*app.forms.Find<frmFrequencyBarChart>()));
    EXPECT_EQ(upright.labelsAngle(), 0);
    EXPECT_EQ(upright.count(), 14);

    // Fourteen dates are all written: on end where upright ones would run together, never thinned.
    form.Unload();
    main.mnuThunderballLastDrawnBarChart.Click();
    auto& dates = *app.forms.Find<frmLastDrawnBarChart>();
    QChartView& dateView = ChartOf(dates);
    EXPECT_EQ(AxisOf(dateView).count(), 14);
    // The chart fills its window.
    EXPECT_GT(dateView.width(), desktop.Renderer().Window(dates).width() * 9 / 10);
}

// The update window of each game: whole captions, and the keyboard order of its boxes and buttons.
TEST_F(ProgramFormsTest, TheUpdateWindowOfEveryGameStandsWholeInItsKeyboardOrder) {
    main.Show();
    for (Game game : kAllGames) {
        // Opened directly: the Update command would first load the game, and a game without a history
        // would stop at a message box.
        auto& window = app.forms.Get<frmUpdateLottoHistory>(app, main, game);
        ExpectRendered(window);
        for (const Element* element : window.Elements()) {
            if (const auto* label = dynamic_cast<const Label*>(element); label != nullptr && label->visible) {
                ExpectWhole(desktop, *label);
            }
        }
        QWidget& shown = desktop.Renderer().Window(window);
        std::vector<std::string> order;
        QWidget* first = shown.findChild<QWidget*>("txtBall1");
        ASSERT_NE(first, nullptr);
        QWidget* widget = first;
        do {
            const std::string name = widget->objectName().toStdString();
            if (widget->isVisibleTo(&shown) && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
                window.Find(name) != nullptr) {
                order.push_back(name);
            }
            widget = widget->nextInFocusChain();
        } while (widget != first && widget != nullptr);
        // The sixth box for games of six balls or more, the last for an extra ball or a seventh.
        std::vector<std::string> expected = {"txtBall1",     "txtBall2",   "txtBall3",     "txtBall4",
                                             "txtBall5",     "txtBall6",   "txtBonusBall", "txtDrawDate",
                                             "txtBallSet",   "txtMachine", "cmdUpdate",    "cmdCancel",
                                             "txtDrawNumber"};
        std::erase_if(expected, [&](const std::string& name) {
            return (name == "txtBall6" && Info(game).mainBalls < 6) ||
                   (name == "txtBonusBall" && !Info(game).hasExtra && Info(game).mainBalls != 7);
        });
        EXPECT_EQ(order, expected) << GameName(game);
        window.Unload();
    }
}

// A theme whose text is light on dark grey, as dark desktop themes have it.
QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    return dark;
}

TEST_F(ProgramFormsTest, ScreenReadersShortcutsAndADarkThemeReachEveryWindow) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    main.Show();
    desktop.ProcessEvents(1);
    QWidget& window = desktop.Renderer().Window(main);
    // The names are the kit's, for every element.
    const AccessibleNames names(main);
    for (const Element* element : main.Elements()) {
        if (const auto* widget = window.findChild<QWidget*>(QString::fromStdString(element->Id()))) {
            EXPECT_EQ(widget->accessibleName().toStdString(), names.NameOf(*element)) << element->Id();
        }
    }

    // A standard key, shown in the menu (the kit's keys map one to one on Qt's).
    const auto* load = window.findChild<QAction*>("mnuFileLoad");
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->shortcuts(), QKeySequence::keyBindings(QKeySequence::Open));

    // The theme's colours, but dark numbers on the light balls; the link in the theme's link colour.
    const auto* ball = window.findChild<QLabel*>("lblDrawBall1");
    EXPECT_LT(ball->palette().color(QPalette::WindowText).lightness(), 64);
    EXPECT_EQ(window.findChild<QLabel*>("lblWebAddress")->palette().color(QPalette::WindowText),
              DarkPalette().color(QPalette::Link));
    EXPECT_EQ(window.findChild<QLabel*>("lblDrawDate")->palette().color(QPalette::WindowText),
              DarkPalette().color(QPalette::WindowText));
    if (const QByteArray shot = qgetenv("QUINTARA_DARK_SHOT"); !shot.isEmpty()) {
        desktop.Renderer().Grab(main).save(QString::fromLocal8Bit(shot));
    }
    QApplication::setPalette(before);
}

}  // namespace
}  // namespace quintara::ui
