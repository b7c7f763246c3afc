#pragma once

#include <string>

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// What the loaded wheel guarantees: its lines, numbers and pointer range, and for each count of drawn
// numbers the match some line is sure to hold, proved from its lines; to read, print or save.
class frmWheelGuarantees : public Form {
public:
    explicit frmWheelGuarantees(App& app);

    TextBox txtGuarantees{this, "txtGuarantees", "", {120, 120, 7400, 4200}};
    Label lblChancesHelp{
        this, "lblChancesHelp", "What these figures can and cannot tell you", {120, 4440, 7400, 300}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileSave{this, "mnuFileSave", "&Save Guarantees...", &mnuFile};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintGuarantees{this, "mnuPrintGuarantees", "Print Guarantees", &mnuPrint};

    // Proves the loaded wheel, named by the wheel box's item, and shows what it guarantees.
    void Fill(const std::string& wheelItem);

private:
    App& m_app;

    void Form_Resize();
    void mnuFileSave_Click();
};

// The Wheel Guarantees command of the main window's Options menu and of the button by the wheel box: the
// window for the loaded wheel, brought up to date if it is open.
void ShowWheelGuarantees(App& app, const std::string& wheelItem);

}  // namespace quintara::ui
