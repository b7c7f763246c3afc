#pragma once

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// The listing of the picked lines in a window of its own, to read and to print.
class frmPickedNumbers : public Form {
public:
    explicit frmPickedNumbers(App& app);

    RichTextBox txtPickedNumbers{this, "txtPickedNumbers", {0, 0, 12000, 6000}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintPickedNumbers{this, "mnuPrintPickedNumbers", "Print Picked Numbers", &mnuPrint};

private:
    App& m_app;

    void Form_Load();
    void Form_Resize();
};

}  // namespace quintara::ui
