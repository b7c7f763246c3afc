#pragma once

#include <string>
#include <vector>

#include "formkit/ControlArray.h"
#include "formkit/Elements.h"
#include "formkit/FormManager.h"

namespace quintara::test {

// A dialog asking for a number: OK hides it so that its opener can read the box, Cancel unloads it.
class frmDialog : public ui::Form {
public:
    frmDialog() : Form("frmDialog", "Dialog") {
        onLoad = [this] { ++loads; };
        onResize = [this] { ++resizes; };
        onUnload = [] { ++unloads; };
        cmdOK.onClick = [this] { Hide(); };
        cmdCancel.onClick = [this] { Unload(); };
    }
    ui::TextBox txtAnswer{this, "txtAnswer", "", {120, 120, 1200, 315}};
    ui::CommandButton cmdOK{this, "cmdOK", "OK", {120, 600, 900, 375}};
    ui::CommandButton cmdCancel{this, "cmdCancel", "Cancel", {1200, 600, 900, 375}};
    int loads = 0;
    int resizes = 0;
    inline static int unloads = 0;
};

// A window with an element of every kind, a menu array and a label array. Each reaction is logged and
// shown in lblStatus; cmdAsk opens the dialog modally and shows what was typed there.
class frmSample : public ui::Form {
public:
    frmSample() : Form("frmSample", "Quintara - Sample") {
        width = 7695;
        height = 6000;
        for (const char* name : {"Algorithm A", "Algorithm B", "Algorithm C"}) {
            cmbAlgorithms.AddItem(name);
        }
        cmbName.editable = true;
        cmbAlgorithms.onClick = [this] { Log("cmbAlgorithms click " + cmbAlgorithms.Text()); };
        cmbAlgorithms.onChange = [this] { Log("cmbAlgorithms change"); };
        cmbName.onClick = [this] { Log("cmbName click"); };
        cmbName.onChange = [this] { Log("cmbName change " + cmbName.Text()); };
        txtNumber.onChange = [this] { Log("txtNumber change " + txtNumber.text); };
        lblBall.onClick = [this](int index) { Log("lblBall click " + std::to_string(index)); };
        mnuFileRecent.onClick = [this](int index) { Log("mnuFileRecent click " + std::to_string(index)); };
        mnuFileExit.onClick = [this] { Log("mnuFileExit click"); };
        cmdSelect.onClick = [this] { cmbAlgorithms.SetListIndex(1); };
        cmdAsk.onClick = [this] {
            auto& dialog = Manager().Get<frmDialog>();
            dialog.Show(ui::ShowMode::Modal);
            if (auto* open = Manager().Find<frmDialog>()) {
                lblStatus.caption = open->txtAnswer.text;
                open->Unload();
                // An unloaded form lives on until this reaction returns.
                lblStatus.caption += dialog.txtAnswer.text.empty() ? "" : " read twice";
            } else {
                lblStatus.caption = "cancelled";
            }
        };
        MSChartLotto.SetSize(1, 3);
        MSChartLotto.SetTitle("Frequency of Drawn Numbers");
    }

    ui::MenuItem mnuFile{this, "mnuFile", "&File"};
    ui::ControlArray<ui::MenuItem> mnuFileRecent{this, "mnuFileRecent", "first.lot", &mnuFile};
    ui::MenuItem mnuFileHyphen3{this, "mnuFileHyphen3", "-", &mnuFile};
    ui::MenuItem mnuFileExit{this, "mnuFileExit", "E&xit", &mnuFile};
    ui::MenuItem mnuHelp{this, "mnuHelp", "&Help"};
    ui::MenuItem mnuHelpAbout{this, "mnuHelpAbout", "About", &mnuHelp};
    ui::Label lblStatus{this, "lblStatus", "Ready", {1440, 720, 2400, 255}};
    ui::TextBox txtNumber{this, "txtNumber", "", {1440, 1200, 1200, 315}};
    ui::ComboBox cmbAlgorithms{this, "cmbAlgorithms", {1440, 1680, 3000, 315}};
    ui::ComboBox cmbName{this, "cmbName", {1440, 2100, 3000, 315}};
    ui::CommandButton cmdSelect{this, "cmdSelect", "Select B", {4800, 1680, 1200, 375}};
    ui::CommandButton cmdAsk{this, "cmdAsk", "Ask", {4800, 2100, 1200, 375}};
    ui::RichTextBox txtPrint{this, "txtPrint", {120, 2600, 3000, 1000}};
    ui::Image Image1{this, "Image1", "", {4800, 120, 480, 480}};
    ui::Chart MSChartLotto{this, "MSChartLotto", {3300, 2600, 3000, 1700}};
    ui::ControlArray<ui::Label> lblBall{this, "lblBall", "Ball 1", ui::Geometry{120, 4400, 615, 255}};
    std::vector<std::string> log;

private:
    void Log(std::string entry) {
        lblStatus.caption = entry;
        log.push_back(std::move(entry));
    }
};

// Two boxes that only take "7", as the number boxes of the program's windows check theirs; a refusal is
// reported in a message box. Help and Cancel do not cause validation; Cancel closes the window.
class frmBoxes : public ui::Form {
public:
    frmBoxes() : Form("frmBoxes", "Boxes") {
        txtBall1.onValidate = [this](bool& cancel) { Check(txtBall1, cancel); };
        txtBall2.onValidate = [this](bool& cancel) { Check(txtBall2, cancel); };
        cmdOK.onClick = [this] { ++okClicks; };
        cmdHelp.causesValidation = false;
        cmdHelp.onClick = [this] { ++helpClicks; };
        cmdCancel.causesValidation = false;
        cmdCancel.onClick = [this] { Unload(); };
    }
    ui::Label lblTitle{this, "lblTitle", "Enter sevens", {120, 0, 1400, 255}};
    ui::TextBox txtBall1{this, "txtBall1", "", {120, 240, 600, 315}};
    ui::TextBox txtBall2{this, "txtBall2", "", {840, 240, 600, 315}};
    ui::CommandButton cmdOK{this, "cmdOK", "OK", {120, 700, 900, 375}};
    ui::CommandButton cmdHelp{this, "cmdHelp", "Help", {1080, 700, 900, 375}};
    ui::CommandButton cmdCancel{this, "cmdCancel", "&Cancel", {2040, 700, 900, 375}};
    std::vector<std::string> checked;
    int okClicks = 0;
    int helpClicks = 0;

private:
    void Check(ui::TextBox& box, bool& cancel) {
        checked.push_back(box.Name());
        if (box.text != "7") {
            Desktop().MsgBox("Only 7 will do", "Input Error");
            box.text.clear();
            cancel = true;
        }
    }
};

}  // namespace quintara::test
