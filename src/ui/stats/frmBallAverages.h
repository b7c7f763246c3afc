#pragma once

#include "ui/App.h"
#include "ui/kit/Elements.h"
#include "ui/kit/Form.h"

namespace quintara::ui {

// How many draws pass on average between a ball's appearances, for the main balls or the Thunderball, as
// a text to read and print.
class frmBallAverages : public Form {
public:
    explicit frmBallAverages(App& app);

    TextBox txtBallAverages{this, "txtBallAverages", "", {120, 120, 9000, 6000}};

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
