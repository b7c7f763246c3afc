#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "formkit/FormManager.h"
#include "qt/QtPlatform.h"
#include "support/TempDir.h"
#include "ui/main/frmQuintara.h"
#include "ui/picks/frmMostLikelyNumbers.h"
#include "ui/stats/StatisticsChartForm.h"

namespace quintara {
namespace {

// The standard output of a poppler tool run on a PDF file (poppler-utils); empty when it failed.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text's non-empty lines, their blanks run together: what survives a trip through paper.
std::vector<std::string> Lines(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line :
         QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) {
            lines.push_back(simple.toStdString());
        }
    }
    return lines;
}

std::vector<std::string> PdfLines(const QString& pdf) {
    return Lines(Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

int PdfPages(const QString& pdf) {
    for (const QString& line : Poppler(QStringLiteral("pdfinfo"), {pdf}).split('\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

TEST(PrintingTest, ALongTextPrintsEveryLineOnAsManyPagesAsItNeeds) {
    QTemporaryDir folder;
    QtPlatform desktop("/opt/quintara", folder.filePath(QStringLiteral("settings.ini")));
    const QString report = folder.filePath(QStringLiteral("report.pdf"));
    desktop.PrintToFile(report);
    std::string text;
    std::vector<std::string> expected;
    for (int line = 1; line <= 150; ++line) {
        text += "Line " + std::to_string(line) + "  of the report\r\n";
        expected.push_back("Line " + std::to_string(line) + " of the report");
    }
    ASSERT_TRUE(desktop.PrinterDialog());
    ASSERT_TRUE(desktop.PrintText(text, ui::PrintSettings{}));
    EXPECT_EQ(PdfLines(report), expected);
    EXPECT_GE(PdfPages(report), 2);
}

TEST(PrintingTest, APrinterThatCannotWriteIsAFailureNotASilentSuccess) {
    QTemporaryDir folder;
    QtPlatform desktop("/opt/quintara", folder.filePath(QStringLiteral("settings.ini")));
    struct frmPicture : ui::Form {
        frmPicture() : Form("frmPicture", "Picture") {}
        ui::Label lblTitle{this, "lblTitle", "Your Personal Picks", {120, 120, 3000, 255}};
    };
    ui::FormManager forms(desktop);
    desktop.PrintToFile(folder.filePath(QStringLiteral("no such folder/report.pdf")));
    ASSERT_TRUE(desktop.PrinterDialog());
    EXPECT_FALSE(desktop.PrintText("lines\r\n", ui::PrintSettings{}));
    EXPECT_FALSE(desktop.PrintFormImage(forms.Get<frmPicture>()));
    EXPECT_FALSE(QDir(folder.filePath(QStringLiteral("no such folder"))).exists());
}

TEST(PrintingTest, TheListingAndAWindowImagePrintIntoTheFileChosenForThePrinter) {
    test::TempDir dir;
    QtPlatform desktop(test::CopiedAppFolder(dir), QString::fromStdString((dir / "settings.ini").string()));
    ui::App app(desktop, dir.Path());
    auto& main = app.forms.Get<ui::frmQuintara>(app);
    main.Show();
    main.mnuPick6.Click();
    ASSERT_FALSE(main.txtPrint.text.empty());

    // Every window prints its text block alike; which text each prints is the window tests'.
    const QString listing = QString::fromStdString((dir / "listing.pdf").string());
    desktop.PrintToFile(listing);
    main.mnuPrint.Click();
    EXPECT_EQ(PdfLines(listing), Lines(QString::fromStdString(main.txtPrint.text)));

    // A window image has no text to read back: one page, and something on it.
    auto& picks = app.forms.Get<ui::frmMostLikelyNumbers>(app);
    picks.Show();
    const QString image = QString::fromStdString((dir / "picks.pdf").string());
    desktop.PrintToFile(image);
    picks.mnuPrintMostLikely.Click();
    EXPECT_EQ(PdfPages(image), 1);
    EXPECT_GT(QFileInfo(image).size(), 10000);

    // A chart goes across a landscape page.
    main.mnuFrequencyBarChart.Click();
    auto& chart = *app.forms.Find<ui::frmFrequencyBarChart>();
    const QString chartFile = QString::fromStdString((dir / "chart.pdf").string());
    desktop.PrintToFile(chartFile);
    chart.mnuPrintChart.Click();
    const QString info = Poppler(QStringLiteral("pdfinfo"), {chartFile});
    static const QRegularExpression pageSize(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
    const auto size = pageSize.match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());
    EXPECT_EQ(PdfPages(chartFile), 1);
    EXPECT_GT(QFileInfo(chartFile).size(), 10000);
    app.forms.UnloadAll();
}

}  // namespace
}  // namespace quintara
