#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace quintara::test {

void FakePlatform::WhenShownModally(std::string formName, std::function<void(ui::Form&)> steps) {
    m_modalSteps.emplace_back(std::move(formName), std::move(steps));
}

void FakePlatform::MsgBox(std::string_view text, std::string_view title, ui::MsgBoxIcon icon) {
    messages.push_back({std::string(text), std::string(title), icon});
    if (onMessage) {
        onMessage(messages.back());
    }
}

std::string FakePlatform::InputBox(std::string_view prompt, std::string_view title,
                                   std::string_view defaultText) {
    questions.push_back({std::string(prompt), std::string(title), std::string(defaultText)});
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected input box \"" << prompt << "\" (" << title << ")";
        return {};
    }
    std::string answer = std::move(inputAnswers.front());
    inputAnswers.pop_front();
    return answer;
}

std::string FakePlatform::FileDialog(bool save, std::string_view filter, std::string_view proposedName) {
    fileQuestions.push_back({save, std::string(filter), std::string(proposedName)});
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog with filter \"" << filter << "\"";
        return {};
    }
    std::string answer = std::move(fileAnswers.front());
    fileAnswers.pop_front();
    return answer;
}

std::string FakePlatform::FileOpenDialog(std::string_view filter, std::string_view proposedName) {
    return FileDialog(false, filter, proposedName);
}

std::string FakePlatform::FileSaveDialog(std::string_view filter, std::string_view proposedName) {
    return FileDialog(true, filter, proposedName);
}

bool FakePlatform::PrinterDialog() {
    ++printerDialogs;
    if (printerAnswers.empty()) {
        ADD_FAILURE() << "unexpected printer dialog";
        return false;
    }
    bool answer = printerAnswers.front();
    printerAnswers.pop_front();
    return answer;
}

bool FakePlatform::PrintText(std::string_view text, const ui::PrintSettings& settings) {
    if (!printSucceeds) {
        return false;
    }
    printouts.push_back({std::string(text), settings});
    return true;
}

bool FakePlatform::PrintFormImage(ui::Form& form) {
    if (!printSucceeds) {
        return false;
    }
    printedForms.push_back(form.Name());
    return true;
}

ui::SettingsSection FakePlatform::ReadSettings(std::string_view section) {
    ui::SettingsSection pairs;
    if (auto found = settings.find(std::string(section)); found != settings.end()) {
        pairs.assign(found->second.begin(), found->second.end());
    }
    return pairs;
}

void FakePlatform::WriteSetting(std::string_view section, std::string_view key, std::string_view value) {
    settings[std::string(section)][std::string(key)] = value;
}

bool FakePlatform::ShellOpen(std::string_view target) {
    shellOpens.emplace_back(target);
    return shellOpenSucceeds;
}

void FakePlatform::SetBusyPointer(bool shown) {
    if (shown && !busy) {
        ++busyShown;
    }
    busy = shown;
}

void FakePlatform::ShowForm(ui::Form& form, ui::ShowMode mode) {
    showings.push_back({form.Name(), mode});
    if (mode != ui::ShowMode::Modal || m_modalSteps.empty()) {
        return;
    }
    if (m_modalSteps.front().first != form.Name()) {
        ADD_FAILURE() << form.Name() << " was shown modally while the script waits for "
                      << m_modalSteps.front().first;
        return;
    }
    auto steps = std::move(m_modalSteps.front().second);
    m_modalSteps.pop_front();
    steps(form);
}

}  // namespace quintara::test
