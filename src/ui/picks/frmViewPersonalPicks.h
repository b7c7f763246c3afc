#pragma once

#include "formkit/ControlArray.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// The personal numbers, each under the wheel pointer that names it.
class frmViewPersonalPicks : public Form {
public:
    static constexpr int kPairWidth = 420;

    explicit frmViewPersonalPicks(App& app);

    Label lblTitle{this, "lblTitle", "Your Personal Picks", {240, 120, 4000, 330}};
    Label lblWheelPointerDescription{
        this, "lblWheelPointerDescription", "Wheel Pointers", {240, 720, 1500, 255}};
    // The pairs run from index 1; index 0 is the pattern they are made from.
    ControlArray<Label> lblPointerNumber{this, "lblPointerNumber", "", Geometry{1800, 720, kPairWidth, 285}};
    Label lblGeneratedNumbersDescription{
        this, "lblGeneratedNumbersDescription", "Personal Picks", {240, 1110, 1500, 255}};
    ControlArray<Label> lblActualNumber{this, "lblActualNumber", "", Geometry{1800, 1080, kPairWidth, 285}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintPersonalPicks{this, "mnuPrintPersonalPicks", "Print Personal Picks", &mnuPrint};

private:
    App& m_app;

    void Form_Load();
};

}  // namespace quintara::ui
