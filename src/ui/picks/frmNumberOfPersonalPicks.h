#pragma once

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// Asks how many personal numbers the user will type in, before the boxes for them are made.
class frmNumberOfPersonalPicks : public Form {
public:
    static constexpr int kMostPicks = 28;

    explicit frmNumberOfPersonalPicks(App& app);

    Label lblTitle{
        this, "lblTitle", "Please enter Number of Personal Numbers you wish to use", {240, 240, 4440, 300}};
    TextBox txtNumberOfPersonalPicks{this, "txtNumberOfPersonalPicks", "", {240, 780, 720, 315}};
    Label lblAmount{this, "lblAmount", "1 to 28", {1080, 820, 1200, 255}};
    CommandButton cmdOK{this, "cmdOK", "OK", {3480, 780, 1200, 375}};

private:
    App& m_app;

    void cmdOK_Click();
    // Empties the box, puts the focus back in it and says why.
    void Refuse(std::string_view text, std::string_view title);
};

}  // namespace quintara::ui
