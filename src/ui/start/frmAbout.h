#pragma once

#include "core/Version.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// Who made the program and where to find it.
class frmAbout : public Form {
public:
    explicit frmAbout(App& app);

    Image imgLogo{this, "imgLogo", "", {240, 240, 2400, 1140}};
    Label lblTitle{this, "lblTitle", std::string("Quintara ") + kVersion, {2880, 300, 2700, 360}};
    Label lblDescription{this,
                         "lblDescription",
                         "Draw histories, statistics, number picks and wheels for Lotto, Lotto Extra, "
                         "Thunderball and Daily Play.",
                         {2880, 720, 2700, 720}};
    Label lblNotice{this,
                    "lblNotice",
                    "Warning: this program is protected by copyright law. Unauthorised copying, reproduction "
                    "or re-selling of this program, or of any part of it, is strictly prohibited.",
                    {240, 1620, 5340, 720}};
    Label lblWebAddress{this, "lblWebAddress", "", {240, 2460, 5340, 240}};
    Label lblSupportEmail{this, "lblSupportEmail", "", {240, 2760, 5340, 240}};
    CommandButton cmdOK{this, "cmdOK", "OK", {4380, 3180, 1200, 375}};
};

}  // namespace quintara::ui
