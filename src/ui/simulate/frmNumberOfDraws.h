#pragma once

#include <cstdint>
#include <functional>

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// Asks over how many of the newest draws a simulation runs, and starts it.
class frmNumberOfDraws : public Form {
public:
    // `run` simulates the accepted number of draws; it is called with this window hidden.
    frmNumberOfDraws(App& app, std::function<void(std::int16_t)> run);

    Label lblDisplay{this, "lblDisplay", "", {240, 240, 5160, 300}};
    TextBox txtNumberOfDraws{this, "txtNumberOfDraws", "", {240, 780, 1200, 315}};
    CommandButton cmdCheck{this, "cmdCheck", "&Check", {4200, 780, 1200, 375}};

    // Whether the starting command may show the report: set when the window is made, cleared when it
    // unloads, so that a window closed by its close box leads to no report.
    bool ShowSimulationReport = true;

private:
    App& m_app;
    std::function<void(std::int16_t)> m_run;

    void cmdCheck_Click();
};

}  // namespace quintara::ui
