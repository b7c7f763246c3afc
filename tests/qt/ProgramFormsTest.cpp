#include <QAction>
#include <QWidget>
#include <gtest/gtest.h>

#include "qt/QtPlatform.h"
#include "support/TempDir.h"
#include "ui/main/frmQuintara.h"
#include "ui/picks/frmMostLikelyNumbers.h"
#include "ui/picks/frmPersonalPicks.h"
#include "ui/picks/frmPickedNumbers.h"
#include "ui/start/frmAbout.h"
#include "ui/start/frmSplash.h"

namespace quintara::ui {
namespace {

// Every element of a shown form has its widget, or its menu action, named after it.
void ExpectEveryElementRendered(QtPlatform& desktop, Form& form) {
    form.Show();
    desktop.ProcessEvents(1);
    QWidget& window = desktop.Renderer().Window(form);
    for (const Element* element : form.Elements()) {
        const QString name = QString::fromStdString(element->Id());
        const bool found = element->Kind() == ElementKind::MenuItem
                               ? window.findChild<QAction*>(name) != nullptr
                               : window.findChild<QWidget*>(name) != nullptr;
        EXPECT_TRUE(found) << form.Name() << " has no widget for " << element->Id();
    }
}

TEST(ProgramFormsTest, EveryWindowOfTheProgramRendersEveryElement) {
    test::TempDir dir;
    test::CopyBuiltAppFolder(dir.Path());
    QtPlatform desktop(dir.Path().string());
    App app(desktop, dir.Path());
    auto& main = app.forms.Get<frmQuintara>(app);
    ExpectEveryElementRendered(desktop, main);
    EXPECT_EQ(main.txtDrawNumber.text, "2065");

    main.mnuPick6.Click();
    ExpectEveryElementRendered(desktop, app.forms.Get<frmPickedNumbers>(app));
    ExpectEveryElementRendered(desktop, app.forms.Get<frmMostLikelyNumbers>(app));
    ExpectEveryElementRendered(desktop, app.forms.Get<frmPersonalPicks>(app, 12));
    ExpectEveryElementRendered(desktop, app.forms.Get<frmAbout>(app));
    ExpectEveryElementRendered(desktop, app.forms.Get<frmSplash>(app));
    app.forms.UnloadAll();
}

}  // namespace
}  // namespace quintara::ui
