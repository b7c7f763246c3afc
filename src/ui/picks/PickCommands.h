#pragma once

#include <filesystem>
#include <string>

#include "core/OneBased.h"
#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// The picking commands of the main window: the algorithm and wheel boxes, wheels and their import, Pick,
// the picks views and personal picks.
class PickCommands {
public:
    PickCommands(App& app, MainWindow& main) : m_app(app), m_main(main), m_state(app.state) {}
    PickCommands(const PickCommands&) = delete;
    PickCommands& operator=(const PickCommands&) = delete;

    // Binds the picking reactions of the main window's menus, buttons and boxes.
    void BindTo(MainWindow& main);

    void cmbAlgorithms_Click();
    void cmbAlgorithms_Change();
    void cmbWheels_Click();
    void cmbWheels_Change();
    void LoadWheel(const std::filesystem::path& path);
    void mnuFileImportWheel_Click();
    void ImportWheelFile(const std::filesystem::path& path);
    void mnuPick6_Click();
    void mnuPickPersonal_Click();
    void mnuShowPickedNumbers_Click();
    void mnuListsPickedNumbers_Click();
    void mnuShowMostLikelyNumbers_Click();
    void mnuShowPersonalPicks_Click();
    void EnterPersonalPicksMode();
    void ShowWheelGuarantees();
    // View Draws is about to leave personal picks mode: the custom wheel is kept for View Personal Picks.
    void KeepCustomWheel();
    // A new game: the custom wheel belonged to the old game's personal numbers.
    void ForgetCustomWheel();

private:
    App& m_app;
    MainWindow& m_main;
    AppState& m_state;
    // The custom wheel of personal picks mode, kept when View Draws leaves the mode and put back by View
    // Personal Picks: the wheel box's item and the wheel's lines.
    std::string m_savedWheelCaption;
    OneBased<std::string> m_savedWheelLines;

    // The import's first steps: the copy to fall back on, and the refusal of the algorithms that take no
    // custom wheel. False when refused.
    bool BeginImport();
    void ImportWheel(const std::filesystem::path& path, bool builtInRangeMessages);
    void PlaceCustomWheel(const std::string& item);
    void HideDrawBrowsing();
    // A pick that failed, the listing file's failure as the generator's: back to the first wheel and
    // algorithm, with the pick's one message.
    void RefusePick();
    void ShowLines();
};

}  // namespace quintara::ui
