#include "ui/App.h"

#include "core/Files.h"
#include "core/TextRules.h"

namespace quintara::ui {

std::filesystem::path App::AppFile(std::string_view name) const {
    return InAppDir(appDir, name);
}

void PrintTextBlock(Platform& desktop, const std::string& text) {
    if (!desktop.PrinterDialog()) {
        return;
    }
    desktop.PrintText(text + std::string(kCrLf), PrintSettings{});
}

void PrintWindowImage(Platform& desktop, Form& form) {
    try {
        desktop.PrintFormImage(form);
    } catch (const std::exception&) {
        // The picture of a window is a convenience; a failed one costs nothing else.
    }
}

}  // namespace quintara::ui
