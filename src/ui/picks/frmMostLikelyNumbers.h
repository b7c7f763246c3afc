#pragma once

#include "formkit/ControlArray.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// Quintara's Picks: the algorithm's final numbers in four alphabetic sections, each with its wheel pointer
// and its pointer number, for players who build their own lines.
class frmMostLikelyNumbers : public Form {
public:
    static constexpr int kWidth = 9650;
    static constexpr int kThunderballWidth = 11865;
    static constexpr int kHeight = 6615;

    explicit frmMostLikelyNumbers(App& app);

    Label lblTitle{this,
                   "lblTitle",
                   "Select 0 - 3 Numbers from each Alphabetic Section, to place on any Line.",
                   {120, 120, 9290, 330}};
    Label lblTitle2{
        this, "lblTitle2", "Select 0 - 3 Same Pointer Numbers overall for any Line.", {120, 480, 9290, 330}};

    Label lblSectionA{this, "lblSectionA", "A", {120, 960, 2280, 330}};
    Label lblSeactionB{this, "lblSeactionB", "B", {2460, 960, 2280, 330}};
    Label lblSectionC{this, "lblSectionC", "C", {4800, 960, 2280, 330}};
    Label lblSectionD{this, "lblSectionD", "D", {7140, 960, 2280, 330}};

    // Index 0 to 3 stand under sections A to D.
    ControlArray<Label> lblWheelPointers{this, "lblWheelPointers", "", Geometry{240, 1380, 500, 1700}};
    ControlArray<Label> lblNumberPointers{this, "lblNumberPointers", "", Geometry{820, 1380, 500, 1700}};
    Label lblSectionANumbers{this, "lblSectionANumbers", "", {1380, 1380, 960, 1700}};
    Label lblSectionBNumbers{this, "lblSectionBNumbers", "", {3720, 1380, 960, 1700}};
    Label lblSectionCNumbers{this, "lblSectionCNumbers", "", {6060, 1380, 960, 1700}};
    Label lblSectionDNumbers{this, "lblSectionDNumbers", "", {8400, 1380, 960, 1700}};

    Label lblThunderball{this, "lblThunderball", "Thunderballs", {9600, 960, 2000, 330}};
    ControlArray<Label> lblThunderballNumbers{this, "lblThunderballNumbers", "",
                                              Geometry{9960, 1380, 500, 1700}};

    // The legend under section A, each label at the foot of a line that runs up to its column.
    Label linGeneratedNumbers{this, "linGeneratedNumbers", "", {1560, 3100, 15, 335}};
    Label linGeneratedNumbersFoot{this, "linGeneratedNumbersFoot", "", {1560, 3420, 45, 15}};
    Label lblGeneratedNumbersDescription{
        this, "lblGeneratedNumbersDescription", "Generated Numbers", {1620, 3300, 2400, 240}};
    Label linPointerNumbers{this, "linPointerNumbers", "", {1250, 3100, 15, 635}};
    Label linPointerNumbersFoot{this, "linPointerNumbersFoot", "", {1250, 3720, 325, 15}};
    Label lblPointerNumbersDescription{
        this, "lblPointerNumbersDescription", "Pointer Numbers", {1620, 3600, 2400, 240}};
    Label linWheelPointers{this, "linWheelPointers", "", {680, 3100, 15, 935}};
    Label linWheelPointersFoot{this, "linWheelPointersFoot", "", {680, 4020, 895, 15}};
    Label lblWheelPointerDescription{
        this, "lblWheelPointerDescription", "Wheel Pointers", {1620, 3900, 2400, 240}};

    Label lblApproxAverageOccurance{this, "lblApproxAverageOccurance", "", {240, 4440, 9050, 300}};
    Label lblTotalCombinations{this, "lblTotalCombinations", "", {240, 4800, 9050, 300}};
    Label lblMaxFrequency{this, "lblMaxFrequency", "", {240, 5160, 9050, 300}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "P&rint"};
    MenuItem mnuPrintMostLikely{this, "mnuPrintMostLikely", "Print Final Numbers", &mnuPrint};

private:
    App& m_app;

    void Form_Load();
    void FillColumns(int perSection);
    void SetSummary();
};

}  // namespace quintara::ui
