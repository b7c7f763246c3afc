// The desktop program: the splash, then the main window on the newest draw of the Lotto history.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <optional>

#include "core/AppDir.h"
#include "qt/Pictures.h"
#include "qt/QtPlatform.h"
#include "ui/App.h"
#include "ui/start/frmSplash.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Quintara");
    QApplication::setApplicationName("Quintara");
    QApplication::setApplicationVersion("2.0");

    QCommandLineParser options;
    options.setApplicationDescription(
        "Quintara: draw histories, statistics and number picks for UK lottery games.");
    options.addHelpOption();
    options.addVersionOption();
    options.addOption({"app-dir", "The folder holding the history and wheel files.", "DIR"});
    options.process(application);

    std::optional<std::string> appDirOption;
    if (options.isSet("app-dir")) {
        appDirOption = options.value("app-dir").toLocal8Bit().toStdString();
    }
    const auto prepared = quintara::PrepareAppDir(quintara::ProcessAppDirInputs(appDirOption, argv[0]));
    if (!prepared) {
        QMessageBox::critical(nullptr, "Quintara", QString::fromStdString(prepared.GetError().message));
        return 1;
    }
    const std::string folder = prepared->choice.folder.string();
    quintara::QtPlatform desktop(folder);
    std::string problems;
    for (const auto& problem : prepared->problems) {
        problems += (problems.empty() ? "" : "\r\n") + problem;
    }
    if (!problems.empty()) {
        desktop.MsgBox(problems, "Quintara", quintara::ui::MsgBoxIcon::Exclamation);
    }
    quintara::ui::App app(desktop, folder);
    // Decoded on another core while the splash window is made.
    quintara::PrefetchPicture(app.AppFile(quintara::ui::kSplashPicture).string());
    app.forms.onLastUnloaded = [] { QCoreApplication::quit(); };
    quintara::ui::StartUp(app);
    if (app.forms.Forms().empty()) {
        return 0;
    }
    return QApplication::exec();
}
