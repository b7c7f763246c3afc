#include "ui/App.h"

#include "core/AppDir.h"
#include "core/Files.h"
#include "core/History.h"
#include "core/TextRules.h"

namespace quintara::ui {

std::filesystem::path App::AppFile(std::string_view name) const {
    return InAppDir(appDir, name);
}

std::filesystem::path App::ProgramFile(std::string_view name) const {
    return FindProgramFile(appDir, shareDir, name);
}

std::string NoDrawsMessage(Game game) {
    return "There are no " + GameName(game) + " draws yet." + std::string(kCrLf) + HowToGetDraws(game);
}

bool RequireDraws(App& app) {
    if (app.state.LastDraw > 0) {
        return true;
    }
    app.desktop.MsgBox(NoDrawsMessage(app.state.CurrentGameId()), kNoDrawsTitle, MsgBoxIcon::Exclamation);
    return false;
}

namespace {

// Said, not swallowed: a print to a file that never appears looks like success otherwise.
void ReportFailedPrint(Platform& desktop) {
    desktop.MsgBox("Unable to Print. Please check your Printer and try again.", "Unable to Print",
                   MsgBoxIcon::Exclamation);
}

}  // namespace

bool PrintTextBlock(Platform& desktop, const std::string& text) {
    if (!desktop.PrinterDialog()) {
        return true;
    }
    if (!desktop.PrintText(text + std::string(kCrLf), PrintSettings{})) {
        ReportFailedPrint(desktop);
        return false;
    }
    return true;
}

void PrintWindowImage(Platform& desktop, Form& form) {
    // Asked every time, as for text: the printer last chosen may be a file, which must not be replaced
    // unasked, and without a printer the dialog is the way to print to a file.
    if (!desktop.PrinterDialog()) {
        return;
    }
    bool printed = false;
    try {
        printed = desktop.PrintFormImage(form);
    } catch (const std::exception&) {
        // Any run-time error of the printer is reported below; the window stays open.
    }
    if (!printed) {
        ReportFailedPrint(desktop);
    }
}

}  // namespace quintara::ui
