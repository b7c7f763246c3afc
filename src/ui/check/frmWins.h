#pragma once

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// The report of a check, to read, print or save as a text file.
class frmWins : public Form {
public:
    explicit frmWins(App& app);

    TextBox txtWins{this, "txtWins", "", {120, 120, 4800, 2880}};
    CommandButton cmdPrint{this, "cmdPrint", "&Print", {120, 3120, 1200, 375}};
    CommandButton cmdSave{this, "cmdSave", "&Save", {1440, 3120, 1200, 375}};
    CommandButton cmdClose{this, "cmdClose", "&Close", {3720, 3120, 1200, 375}};

    // Puts a report of the current game on show, the game named in the title: an open window shows the
    // next check's report, which may be of another game.
    void ShowReport(const std::string& report);

private:
    App& m_app;

    void Form_Load();
    void cmdSave_Click();
};

}  // namespace quintara::ui
