#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <string_view>

#include "formkit/Platform.h"
#include "qt/FormRenderer.h"

class QPrinter;
class QSettings;

namespace quintara {

class HelpWindow;

// A file dialog filter as the program writes it ("Text files (*.txt)|*.txt", "(*.lot)|*.lot|(*.fil)|*.fil")
// as Qt's name filters ("Text files (*.txt)"); the pattern after each bar is the one that counts.
QStringList ToQtNameFilters(std::string_view filter);

// The desktop as Qt provides it: dialogs, printer, settings store, shell, and the forms' windows.
class QtPlatform : public ui::Platform {
public:
    // Needs a QApplication. settingsFile names an INI file to hold the settings instead of the user's
    // own store (organisation and application "Quintara"), for tests.
    explicit QtPlatform(std::string applicationDirectory, const QString& settingsFile = {});
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;

    FormRenderer& Renderer() { return m_renderer; }
    // Sets the printer up to write this PDF file, as the user would in the printer dialog, and from now on
    // answers the dialog without showing it (for runs without a printer, and tests).
    void PrintToFile(const QString& pdfPath);
    // The help window, once help was shown.
    HelpWindow* Help() const { return m_help.get(); }

    void MsgBox(std::string_view text, std::string_view title, ui::MsgBoxIcon icon) override;
    bool AskYesNo(std::string_view text, std::string_view title) override;
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    std::string FileOpenDialog(std::string_view filter, std::string_view proposedName) override;
    std::string FileSaveDialog(std::string_view filter, std::string_view proposedName) override;
    std::string FileSaveDialogAsTyped(std::string_view filter, std::string_view proposedName) override;
    bool PrinterDialog() override;
    bool PrintText(std::string_view text, const ui::PrintSettings& settings) override;
    bool PrintFormImage(ui::Form& form) override;
    ui::SettingsSection ReadSettings(std::string_view section) override;
    void WriteSettings(std::string_view section, const ui::SettingsSection& values) override;
    bool ShellOpen(std::string_view target) override;
    ui::Downloaded Download(std::string_view address, std::string_view title, std::size_t mostBytes) override;
    bool ShowHelp(std::string_view htmlFile) override;
    void ProcessEvents(int times) override;
    void SetBusyPointer(bool busy) override;
    bool BusyPointerShown() const override { return m_busy; }
    void Beep() override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    std::string ApplicationDirectory() const override { return m_applicationDirectory; }
    void ShowForm(ui::Form& form, ui::ShowMode mode) override { m_renderer.Show(form, mode); }
    void HideForm(ui::Form& form) override { m_renderer.Hide(form); }
    void UnloadForm(ui::Form& form) override { m_renderer.Unload(form); }
    void BringToFront(ui::Form& form) override { m_renderer.BringToFront(form); }
    void RefreshForm(ui::Form& form) override { m_renderer.Refresh(form); }

private:
    enum class DialogKind { Open, Save, SaveAsTyped };
    std::string FileDialog(DialogKind kind, std::string_view filter, std::string_view proposedName);
    // The one printer of the session: the default printer until the user sets another up in the dialog.
    QPrinter& Printer();

    FormRenderer m_renderer;
    std::string m_applicationDirectory;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<QPrinter> m_printer;
    bool m_answerPrinterDialog = false;
    std::unique_ptr<HelpWindow> m_help;
    bool m_busy = false;
    int m_downloadTimeoutMs = 30000;  // without a byte; the whole transfer may take four times as long
};

}  // namespace quintara
