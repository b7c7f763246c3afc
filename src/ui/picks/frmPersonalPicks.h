#pragma once

#include "core/OneBased.h"
#include "formkit/ControlArray.h"
#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "ui/App.h"

namespace quintara::ui {

// Takes the user's own numbers, one box each, and on OK puts the main window into personal picks mode.
class frmPersonalPicks : public Form {
public:
    static constexpr int kBoxesPerRow = 7;

    // `count` boxes, 1 to 28.
    frmPersonalPicks(App& app, int count);

    Label lblTitle{
        this, "lblTitle", "Enter your personal choice of Numbers in the boxes below", {240, 120, 6300, 300}};
    // Boxes and labels run from index 1; index 0 is the pattern they are made from.
    ControlArray<Label> lblBall{this, "lblBall", "", Geometry{240, 600, 780, 240}};
    ControlArray<TextBox> txtBall{this, "txtBall", "", Geometry{240, 840, 600, 315}};
    CommandButton cmdOK{this, "cmdOK", "OK", {5340, 0, 1200, 375}};

    int Count() const { return m_count; }

private:
    App& m_app;
    int m_count;

    void Form_Load();
    void cmdOK_Click();
    // Empties box i, puts the focus back in it and says why.
    void Refuse(int i, std::string_view text, std::string_view title);
};

}  // namespace quintara::ui
