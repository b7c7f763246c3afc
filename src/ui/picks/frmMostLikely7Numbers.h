#pragma once

#include "formkit/ControlArray.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// Quintara's Picks for "7 Numbers from 28 from 49": the seven numbers in one row, each under its pointer.
class frmMostLikely7Numbers : public Form {
public:
    // Between the labels of a row.
    static constexpr int kGap = 70;

    explicit frmMostLikely7Numbers(App& app);

    Label lblTitle{this, "lblTitle", "7 Numbers Generated", {240, 120, 4560, 330}};
    // Index 0 is the pattern the labels are made from; the rows themselves run from index 1.
    ControlArray<Label> lblPointerNumber{this, "lblPointerNumber", "", Geometry{240, 720, 345, 285}};
    ControlArray<Label> lblActualNumber{this, "lblActualNumber", "", Geometry{240, 1080, 345, 285}};

    Label linWheelPointers{this, "linWheelPointers", "", {3195, 855, 360, 15}};
    Label lblWheelPointerDescription{
        this, "lblWheelPointerDescription", "Wheel Pointers", {3630, 727, 1800, 255}};
    Label linGeneratedNumbers{this, "linGeneratedNumbers", "", {3195, 1215, 360, 15}};
    Label lblGeneratedNumbersDescription{
        this, "lblGeneratedNumbersDescription", "Generated Numbers", {3630, 1087, 1800, 255}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintPickedNumbers{this, "mnuPrintPickedNumbers", "Print Picked Numbers", &mnuPrint};

private:
    App& m_app;

    void Form_Load();
    void LayOutRows();
};

}  // namespace quintara::ui
