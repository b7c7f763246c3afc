#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formkit/Form.h"

namespace quintara::ui {

enum class MsgBoxIcon { None, Exclamation };

// The three settings every print command gives the printer before it prints a text block.
struct PrintSettings {
    int copies = 1;
    bool fontBold = false;
    int fontSize = 10;
    bool operator==(const PrintSettings&) const = default;
};

// What a download brought: the body, or why there is none (Cancel included).
struct Downloaded {
    bool ok = false;
    std::string body;
    std::string failure;
};

// Key and value pairs of one section of the settings store, in key order.
using SettingsSection = std::vector<std::pair<std::string, std::string>>;

// Everything a form may ask of the desktop. The Qt front end and the tests' fake implement it.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal, OK button only; lines of text are joined by CR LF.
    virtual void MsgBox(std::string_view text, std::string_view title,
                        MsgBoxIcon icon = MsgBoxIcon::None) = 0;
    // Modal, Yes and No buttons, a question icon; true when the user answers Yes. Closing the box is No.
    virtual bool AskYesNo(std::string_view text, std::string_view title) = 0;
    // Modal; the typed text, or "" when the user cancels.
    virtual std::string InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText = {}) = 0;
    // filter: description and pattern pairs, all separated by '|' ("Text files (*.txt)|*.txt").
    // The chosen full path, or "" when the user cancels.
    virtual std::string FileOpenDialog(std::string_view filter, std::string_view proposedName) = 0;
    virtual std::string FileSaveDialog(std::string_view filter, std::string_view proposedName) = 0;
    // The same save dialog, but the chosen name is kept as typed: a name without an extension gets none
    // from the filter.
    virtual std::string FileSaveDialogAsTyped(std::string_view filter, std::string_view proposedName) = 0;
    // The user chooses the printer the next PrintText uses; false when cancelled.
    virtual bool PrinterDialog() = 0;

    // Prints the text as one block followed by a line end; the printer breaks lines and pages.
    // False when printing failed; callers that ignore failures may ignore it.
    virtual bool PrintText(std::string_view text, const PrintSettings& settings) = 0;
    // Prints an image of the form's window, without a dialog, on the printer last chosen (at first the
    // default one).
    virtual bool PrintFormImage(Form& form) = 0;

    // The per-user settings store of the application "Quintara". Reading a missing section gives
    // no pairs and no failure.
    virtual SettingsSection ReadSettings(std::string_view section) = 0;
    // Writes every value of the section and reaches the disk once.
    virtual void WriteSettings(std::string_view section, const SettingsSection& values) = 0;

    // Opens a file or web address with the program the desktop associates with it; false when that
    // could not be started.
    virtual bool ShellOpen(std::string_view target) = 0;
    // Fetches a web address while a progress window titled `title` with a Cancel button is shown. Redirects
    // are followed; a network failure, an HTTP status from 400, a time-out, a body over `mostBytes` and
    // Cancel give their reason.
    virtual Downloaded Download(std::string_view address, std::string_view title, std::size_t mostBytes) = 0;
    // Shows the program's HTML manual in its own help window; false when the file cannot be read.
    virtual bool ShowHelp(std::string_view htmlFile) = 0;
    // Lets the window system handle its waiting repaint and input events, as `times` turns of an event
    // loop would, bringing every window up to date first. A desktop may do it in one real turn.
    virtual void ProcessEvents(int times) = 0;
    virtual void SetBusyPointer(bool busy) = 0;
    virtual bool BusyPointerShown() const = 0;
    virtual void Beep() = 0;
    virtual int ScreenWidth() const = 0;  // twips
    virtual int ScreenHeight() const = 0;
    // The program's directory, without a trailing separator.
    virtual std::string ApplicationDirectory() const = 0;

    // The window operations behind Form's own; forms call these, nothing else should.
    // A modal show returns when the form is hidden or unloaded.
    virtual void ShowForm(Form& form, ShowMode mode) = 0;
    virtual void HideForm(Form& form) = 0;
    // The form is being unloaded: its window goes, and a modal show of it returns.
    virtual void UnloadForm(Form& form) = 0;
    virtual void BringToFront(Form& form) = 0;
    virtual void RefreshForm(Form& form) = 0;
};

// Shows the busy pointer for its lifetime and puts back the pointer it found, on every way out.
class BusyPointer {
public:
    explicit BusyPointer(Platform& desktop) : m_desktop(desktop), m_wasBusy(desktop.BusyPointerShown()) {
        m_desktop.SetBusyPointer(true);
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    ~BusyPointer() { Restore(); }

    // Puts the pointer back early, before a message for instance.
    void Restore() {
        if (m_holding) {
            m_holding = false;
            m_desktop.SetBusyPointer(m_wasBusy);
        }
    }

private:
    Platform& m_desktop;
    bool m_wasBusy;
    bool m_holding = true;
};

}  // namespace quintara::ui
