#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qt/QtPlatform.h"
#include "ui/kit/Elements.h"
#include "ui/kit/FormManager.h"

namespace quintara {
namespace {

TEST(QtPlatformTest, FileFiltersAsTheProgramWritesThemBecomeQtNameFilters) {
    EXPECT_EQ(ToQtNameFilters("Text files (*.txt)|*.txt"), QStringList{"Text files (*.txt)"});
    EXPECT_EQ(ToQtNameFilters("(*.txt)|*.txt"), QStringList{"(*.txt)"});
    EXPECT_EQ(ToQtNameFilters("(*.lot)|*.lot|(*.fil)|*.fil"), (QStringList{"(*.lot)", "(*.fil)"}));
    EXPECT_EQ(ToQtNameFilters("Saved lines|*.lot;*.fil"), QStringList{"Saved lines (*.lot *.fil)"});
    EXPECT_EQ(ToQtNameFilters(""), QStringList{});
}

TEST(QtPlatformTest, SettingsComeBackInIndexOrderAndAMissingSectionIsEmpty) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("settings.ini"));
    {
        QtPlatform desktop("/opt/quintara", file);
        EXPECT_TRUE(desktop.ReadSettings("Recent Files").empty());
        for (int i : {10, 2, 0, 1}) {
            desktop.WriteSetting("Recent Files", "RecentFile" + std::to_string(i),
                                 "C:\\Lines\\" + std::to_string(i));
        }
    }
    QtPlatform later("/opt/quintara", file);
    const ui::SettingsSection expected{{"RecentFile0", "C:\\Lines\\0"},
                                       {"RecentFile1", "C:\\Lines\\1"},
                                       {"RecentFile2", "C:\\Lines\\2"},
                                       {"RecentFile10", "C:\\Lines\\10"}};
    EXPECT_EQ(later.ReadSettings("Recent Files"), expected);
}

TEST(QtPlatformTest, ALongTextPrintsOnAsManyPagesAsItNeedsAndAWindowOnOne) {
    QTemporaryDir folder;
    QtPlatform desktop("/opt/quintara", folder.filePath(QStringLiteral("settings.ini")));
    const auto pages = [](const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return -1;
        }
        return static_cast<int>(file.readAll().count("/Type /Page\n"));
    };

    const QString report = folder.filePath(QStringLiteral("report.pdf"));
    desktop.PrintToFile(report);
    std::string text;
    for (int line = 1; line <= 150; ++line) {
        text += "Line " + std::to_string(line) + "\r\n";
    }
    ASSERT_TRUE(desktop.PrinterDialog());
    ASSERT_TRUE(desktop.PrintText(text, ui::PrintSettings{}));
    EXPECT_GE(pages(report), 2);

    struct frmPicture : ui::Form {
        frmPicture() : Form("frmPicture", "Picture") {}
        ui::Label lblTitle{this, "lblTitle", "Your Personal Picks", {120, 120, 3000, 255}};
    };
    ui::FormManager forms(desktop);
    const QString picture = folder.filePath(QStringLiteral("window.pdf"));
    desktop.PrintToFile(picture);
    ASSERT_TRUE(desktop.PrintFormImage(forms.Get<frmPicture>()));
    EXPECT_EQ(pages(picture), 1);
}

}  // namespace
}  // namespace quintara
