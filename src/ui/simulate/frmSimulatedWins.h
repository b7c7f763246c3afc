#pragma once

#include <string>

#include "ui/App.h"
#include "ui/kit/Elements.h"
#include "ui/kit/Form.h"

namespace quintara::ui {

// The report of a simulation: the strike totals, then what each simulated draw held of the chosen numbers.
class frmSimulatedWins : public Form {
public:
    explicit frmSimulatedWins(App& app);

    RichTextBox txtSimulatedWins{this, "txtSimulatedWins", {0, 0, 6900, 7200}};

    // Puts a new report in the window, captioned for the game and command it was run for.
    void Fill(std::string report);

private:
    App& m_app;

    void Form_Resize();
};

}  // namespace quintara::ui
