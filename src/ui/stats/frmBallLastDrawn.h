#pragma once

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// When each ball was last drawn, for the main balls or the Thunderball, as a text to read and print.
class frmBallLastDrawn : public Form {
public:
    explicit frmBallLastDrawn(App& app);

    TextBox txtLastDrawn{this, "txtLastDrawn", "", {120, 120, 9000, 6000}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintLastDrawn{this, "mnuPrintLastDrawn", "Print Last Drawn", &mnuPrint};

private:
    App& m_app;

    void Form_Load();
    void Form_Resize();
};

}  // namespace quintara::ui
