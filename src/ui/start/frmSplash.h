#pragma once

#include "core/Version.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// The splash's picture, a file of the application folder; the desktop may start reading it early.
inline constexpr std::string_view kSplashPicture = "splash.png";

// The picture shown while the program starts.
class frmSplash : public Form {
public:
    explicit frmSplash(App& app);

    Image imgSplash{this, "imgSplash", "", {0, 0, 6300, 3000}};
    Label lblVersion{this, "lblVersion", std::string("Quintara Version ") + kVersion, {0, 3060, 6300, 300}};
};

}  // namespace quintara::ui
