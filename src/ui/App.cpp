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

}  // namespace quintara::ui
