#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "formkit/Platform.h"

namespace quintara::test {

// The desktop for form tests: records what the forms showed and asked, answers dialogs from a script
// and runs the test's own steps when a form is shown modally.
//
// A dialog that finds its script empty fails the test (an unexpected question is a fault), and answers
// as a cancel would.
class FakePlatform : public ui::Platform {
public:
    struct Message {
        std::string text;
        std::string title;
        ui::MsgBoxIcon icon;
        bool operator==(const Message&) const = default;
    };
    struct Question {
        std::string prompt;
        std::string title;
    };
    struct FileQuestion {
        bool save;
        std::string filter;
        std::string proposedName;
        bool asTyped = false;  // the save dialog that adds no extension
    };
    struct Printout {
        std::string text;
        ui::PrintSettings settings;
    };
    struct Showing {
        std::string form;
        ui::ShowMode mode;
    };

    // What happened, in order.
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<Question> yesNoQuestions;
    std::vector<FileQuestion> fileQuestions;
    int printerDialogs = 0;
    std::vector<Printout> printouts;
    std::vector<std::string> printedForms;
    std::vector<std::string> shellOpens;
    std::vector<std::string> helpShown;
    std::vector<std::string> downloads;  // the addresses asked for
    std::vector<Showing> showings;
    std::vector<std::string> broughtToFront;
    std::vector<std::string> unloaded;
    int eventTurns = 0;  // the event-loop turns asked for, summed
    int beeps = 0;
    bool busy = false;

    // The script.
    std::deque<std::string> inputAnswers;
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> fileAnswers;
    std::deque<bool> printerAnswers;
    bool printSucceeds = true;
    bool shellOpenSucceeds = true;
    bool helpSucceeds = true;
    ui::Downloaded download;                                             // what every download brings
    std::map<std::string, std::map<std::string, std::string>> settings;  // section -> key -> value
    int settingsWrites = 0;   // each writes a whole section and reaches the disk once
    int screenWidth = 15360;  // 1024 x 768 pixels at 96 per inch
    std::string applicationDirectory = "/opt/quintara";

    // Runs steps when the form named formName is next shown modally; the show returns when they end.
    void WhenShownModally(std::string formName, std::function<void(ui::Form&)> steps) {
        m_modalSteps.emplace_back(std::move(formName), std::move(steps));
    }
    // The same, for the form of type F.
    template <class F>
    void WhenShownModally(std::string formName, std::function<void(F&)> steps) {
        WhenShownModally(std::move(formName), [steps](ui::Form& form) { steps(dynamic_cast<F&>(form)); });
    }
    // Modal shows whose steps have not run yet.
    std::size_t PendingModalSteps() const { return m_modalSteps.size(); }

    void MsgBox(std::string_view text, std::string_view title, ui::MsgBoxIcon icon) override {
        messages.push_back({std::string(text), std::string(title), icon});
    }
    bool AskYesNo(std::string_view text, std::string_view title) override {
        yesNoQuestions.push_back({std::string(text), std::string(title)});
        return Answer(yesNoAnswers, "yes/no box \"" + std::string(text) + "\"");
    }
    std::string InputBox(std::string_view prompt, std::string_view title, std::string_view) override {
        questions.push_back({std::string(prompt), std::string(title)});
        return Answer(inputAnswers, "input box \"" + std::string(prompt) + "\"");
    }
    std::string FileOpenDialog(std::string_view filter, std::string_view proposedName) override {
        return FileDialog(false, filter, proposedName);
    }
    std::string FileSaveDialog(std::string_view filter, std::string_view proposedName) override {
        return FileDialog(true, filter, proposedName);
    }
    std::string FileSaveDialogAsTyped(std::string_view filter, std::string_view proposedName) override {
        std::string answer = FileDialog(true, filter, proposedName);
        fileQuestions.back().asTyped = true;
        return answer;
    }
    bool PrinterDialog() override {
        ++printerDialogs;
        return Answer(printerAnswers, "printer dialog");
    }
    bool PrintText(std::string_view text, const ui::PrintSettings& printSettings) override {
        if (printSucceeds) {
            printouts.push_back({std::string(text), printSettings});
        }
        return printSucceeds;
    }
    bool PrintFormImage(ui::Form& form) override {
        if (printSucceeds) {
            printedForms.push_back(form.Name());
        }
        return printSucceeds;
    }
    ui::SettingsSection ReadSettings(std::string_view section) override {
        const auto found = settings.find(std::string(section));
        return found == settings.end() ? ui::SettingsSection{}
                                       : ui::SettingsSection(found->second.begin(), found->second.end());
    }
    void WriteSettings(std::string_view section, const ui::SettingsSection& values) override {
        ++settingsWrites;
        for (const auto& [key, value] : values) {
            settings[std::string(section)][key] = value;
        }
    }
    bool ShellOpen(std::string_view target) override {
        shellOpens.emplace_back(target);
        return shellOpenSucceeds;
    }
    ui::Downloaded Download(std::string_view address, std::string_view /*title*/,
                            std::size_t /*mostBytes*/) override {
        downloads.emplace_back(address);
        return download;
    }
    bool ShowHelp(std::string_view htmlFile) override {
        helpShown.emplace_back(htmlFile);
        return helpSucceeds;
    }
    void ProcessEvents(int times) override { eventTurns += times; }
    void SetBusyPointer(bool shown) override { busy = shown; }
    bool BusyPointerShown() const override { return busy; }
    void Beep() override { ++beeps; }
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return 11520; }
    std::string ApplicationDirectory() const override { return applicationDirectory; }
    void ShowForm(ui::Form& form, ui::ShowMode mode) override;
    void HideForm(ui::Form&) override {}
    void UnloadForm(ui::Form& form) override { unloaded.push_back(form.Name()); }
    void BringToFront(ui::Form& form) override { broughtToFront.push_back(form.Name()); }
    void RefreshForm(ui::Form&) override {}

private:
    // The next answer of a script; an empty script fails the test and answers as a cancel would.
    template <class T>
    T Answer(std::deque<T>& script, const std::string& dialog);
    std::string FileDialog(bool save, std::string_view filter, std::string_view proposedName) {
        fileQuestions.push_back({save, std::string(filter), std::string(proposedName)});
        return Answer(fileAnswers, "file dialog with filter \"" + std::string(filter) + "\"");
    }

    std::deque<std::pair<std::string, std::function<void(ui::Form&)>>> m_modalSteps;
};

}  // namespace quintara::test
