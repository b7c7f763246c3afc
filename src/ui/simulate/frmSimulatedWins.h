#pragma once

#include <string>

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// The report of a simulation: the strike totals, then what each simulated draw held of the chosen numbers;
// beside it, what choosing as many numbers at random would have been expected to give, and how the two
// compare.
class frmSimulatedWins : public Form {
public:
    static constexpr int kChanceWidth = 5000;

    explicit frmSimulatedWins(App& app);

    RichTextBox txtSimulatedWins{this, "txtSimulatedWins", {0, 0, 6900, 7200}};
    Label lblChancesHelp{
        this, "lblChancesHelp", "What these figures can and cannot tell you", {7000, 0, kChanceWidth, 300}};
    TextBox txtChance{this, "txtChance", "", {7000, 400, kChanceWidth, 6800}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileSave{this, "mnuFileSave", "&Save Report...", &mnuFile};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintReport{this, "mnuPrintReport", "Print Report", &mnuPrint};

    // Puts a new report in the window, captioned for the game and command it was run for, with the
    // comparison with chance beside it.
    void Fill(std::string report, std::string chance);

    // What Print and Save give: the report, an empty line, then the comparison with chance.
    std::string WholeText() const;

private:
    App& m_app;

    void Form_Resize();
    void mnuFileSave_Click();
};

}  // namespace quintara::ui
