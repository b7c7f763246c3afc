#pragma once

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// How many draws pass on average between a ball's appearances, for the main balls or the Thunderball, as
// a text to read and print.
class frmBallAverages : public Form {
public:
    explicit frmBallAverages(App& app);

    TextBox txtBallAverages{this, "txtBallAverages", "", {120, 120, 9000, 6000}};
    // Under the list: whether the counts behind it are in line with equal chances.
    Label lblEqualChances{this, "lblEqualChances", "", {120, 6180, 9000, 480}};
    Label lblChancesHelp{
        this, "lblChancesHelp", "What these figures can and cannot tell you", {120, 6660, 9000, 300}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintBallAverages{this, "mnuPrintBallAverages", "Print Ball Averages", &mnuPrint};

private:
    App& m_app;

    void Form_Load();
    void Form_Resize();
};

}  // namespace quintara::ui
