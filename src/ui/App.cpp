#include "ui/App.h"

#include <chrono>
#include <ctime>

#include "core/Dates.h"
#include "core/Files.h"
#include "core/TextRules.h"

namespace quintara::ui {

std::filesystem::path App::AppFile(std::string_view name) const {
    return InAppDir(appDir, name);
}

double App::Today() const {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return SerialFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

bool PrintTextBlock(Platform& desktop, const std::string& text) {
    if (!desktop.PrinterDialog()) {
        return true;
    }
    return desktop.PrintText(text + std::string(kCrLf), PrintSettings{});
}

void PrintWindowImage(Platform& desktop, Form& form) {
    try {
        desktop.PrintFormImage(form);
    } catch (const std::exception&) {
        // The picture of a window is a convenience; a failed one costs nothing else.
    }
}

}  // namespace quintara::ui
