// The desktop program: the splash, then the main window on the newest draw of the Lotto history.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>

#include "core/AppDir.h"
#include "core/Version.h"
#include "qt/AfterFirstPaint.h"
#include "qt/Pictures.h"
#include "qt/QtPlatform.h"
#include "ui/App.h"
#include "ui/main/StartUp.h"
#include "ui/main/frmQuintara.h"
#include "ui/start/frmSplash.h"

namespace {

void DescribeProgram() {
    QCoreApplication::setOrganizationName("Quintara");
    QCoreApplication::setApplicationName("Quintara");
    QCoreApplication::setApplicationVersion(quintara::kVersion);
}

void DefineOptions(QCommandLineParser& options) {
    options.setApplicationDescription(
        "Quintara: draw histories, statistics and number picks for UK lottery games.");
    options.addHelpOption();
    options.addVersionOption();
    options.addOption({"app-dir", "The folder holding the history and wheel files.", "DIR"});
    options.addPositionalArgument("file", "A saved-lines file to open, as File > Load Saved opens one.",
                                  "[file]");
}

// Help and version are answered before any window system is reached, so that they work on a machine
// without a display (where the manual pages are made from them).
bool AsksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word(argv[i]);
        if (word == "--") {
            break;
        }
        if (word == "-h" || word == "--help" || word == "--help-all" || word == "-?" || word == "-v" ||
            word == "--version") {
            return true;
        }
    }
    return false;
}

int RunProgram(int argc, char** argv) {
    // A write beyond the user's file-size limit must fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    DescribeProgram();
    if (AsksOnlyForText(argc, argv)) {
        const QCoreApplication textOnly(argc, argv);
        QCommandLineParser options;
        DefineOptions(options);
        options.process(textOnly);  // prints and ends the program
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("quintara"));
    QCommandLineParser options;
    DefineOptions(options);
    options.process(application);

    std::optional<std::string> appDirOption;
    if (options.isSet("app-dir")) {
        appDirOption = options.value("app-dir").toLocal8Bit().toStdString();
    }
    const auto prepared = quintara::PrepareAppDir(quintara::ProcessAppDirInputs(appDirOption, argv[0]));
    if (!prepared) {
        QMessageBox::critical(nullptr, "Quintara", QString::fromStdString(prepared.error().text));
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
    quintara::ui::App app(desktop, folder, prepared->choice.shareFolder);
    // Decoded on another core while the splash window and the main window are made.
    quintara::PrefetchPicture(app.ProgramFile(quintara::ui::kSplashPicture).string());
    quintara::ReadAheadPictures({app.ProgramFile(quintara::ui::kBallPicture).string(),
                                 app.ProgramFile(quintara::ui::kBonusBallPicture).string()});
    app.forms.onLastUnloaded = [] { QCoreApplication::quit(); };
    quintara::ui::StartUp(app);
    if (app.forms.Forms().empty()) {
        return 0;
    }
    if (auto* main = app.forms.Find<quintara::ui::frmQuintara>()) {
        // Looking the icon up in the icon theme and handing every size of it to the window system cost
        // about a tenth of the start; the window needs it only once it is seen.
        quintara::AfterFirstPaint(desktop.Renderer().Window(*main), [] {
            QIcon shipped;
            for (const int size : {16, 32, 48, 64, 128, 256}) {
                shipped.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/quintara.png").arg(size));
            }
            QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quintara"), shipped));
        });
    }
    const QStringList files = options.positionalArguments();
    if (!files.isEmpty()) {
        if (auto* main = app.forms.Find<quintara::ui::frmQuintara>()) {
            main->Raise([&] { main->OpenLinesFile(files.constFirst().toLocal8Bit().toStdString()); });
            main->Refresh();
        }
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return RunProgram(argc, argv);
    } catch (const std::exception& error) {
        // What the windows could not handle ends the program with its reason, not with an abort.
        std::fprintf(stderr, "quintara: %s\n", error.what());
        return 1;
    }
}
