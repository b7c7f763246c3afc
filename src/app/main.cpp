// The desktop program: the splash, then the main window on the newest draw of the Lotto history.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdlib>

#include "qt/QtPlatform.h"
#include "ui/App.h"
#include "ui/start/frmSplash.h"

namespace {

// The folder of the history and wheel files: --app-dir, else QUINTARA_APP_DIR, else the executable's.
QString ApplicationFolder(const QCommandLineParser& options) {
    if (options.isSet("app-dir")) {
        return QDir(options.value("app-dir")).absolutePath();
    }
    if (const char* env = std::getenv("QUINTARA_APP_DIR"); env != nullptr && *env != '\0') {
        return QDir(QString::fromLocal8Bit(env)).absolutePath();
    }
    return QCoreApplication::applicationDirPath();
}

}  // namespace

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

    const QString folder = ApplicationFolder(options);
    quintara::QtPlatform desktop(folder.toStdString());
    quintara::ui::App app(desktop, folder.toStdString());
    app.forms.onLastUnloaded = [] { QCoreApplication::quit(); };
    quintara::ui::StartUp(app);
    if (app.forms.Forms().empty()) {
        return 0;
    }
    return QApplication::exec();
}
