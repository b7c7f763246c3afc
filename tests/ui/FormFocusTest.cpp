#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "ui/Elements.h"
#include "ui/FormManager.h"

namespace quintara::ui {
namespace {

// Two boxes that only accept "7", as the number boxes of the check and update windows do.
class frmBoxes : public Form {
public:
    frmBoxes() : Form("frmBoxes", "Boxes") {
        txtBall1.onValidate = [this](bool& cancel) { Check(txtBall1, cancel); };
        txtBall2.onValidate = [this](bool& cancel) { Check(txtBall2, cancel); };
        cmdHelp.causesValidation = false;
        cmdHelp.onClick = [this] { ++helpClicks; };
        cmdCancel.causesValidation = false;
        cmdCancel.onClick = [this] { Unload(); };
        cmdOK.onClick = [this] { ++okClicks; };
    }

    Label lblTitle{this, "lblTitle", "Enter sevens"};
    TextBox txtBall1{this, "txtBall1"};
    TextBox txtBall2{this, "txtBall2"};
    CommandButton cmdOK{this, "cmdOK", "OK"};
    CommandButton cmdHelp{this, "cmdHelp", "Help"};
    CommandButton cmdCancel{this, "cmdCancel", "&Cancel"};
    std::vector<std::string> checked;
    int okClicks = 0;
    int helpClicks = 0;

private:
    void Check(TextBox& box, bool& cancel) {
        checked.push_back(box.Name());
        if (box.text != "7") {
            Desktop().MsgBox("Only 7 will do", "Input Error");
            box.text.clear();
            cancel = true;
        }
    }
};

class FormFocusTest : public testing::Test {
protected:
    test::FakePlatform desktop;
    FormManager forms{desktop};
    frmBoxes& boxes = forms.Get<frmBoxes>();
};

TEST_F(FormFocusTest, LeavingABoxForAnotherChecksItOnceAndARefusalKeepsTheFocusThere) {
    boxes.Show();
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall1);  // the first element that can take the focus

    ASSERT_TRUE(boxes.txtBall1.UserTypes("8"));
    EXPECT_FALSE(boxes.txtBall2.UserTypes("5"));
    EXPECT_EQ(boxes.checked, std::vector<std::string>{"txtBall1"});
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0],
              (test::FakePlatform::Message{"Only 7 will do", "Input Error", MsgBoxIcon::None}));
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall1);
    EXPECT_EQ(boxes.txtBall1.text, "");
    EXPECT_EQ(boxes.txtBall2.text, "") << "typing into a box the focus never reached";

    // Back in the refused box nothing is checked again; a good entry lets the focus go.
    EXPECT_TRUE(boxes.txtBall1.UserFocus());
    ASSERT_TRUE(boxes.txtBall1.UserTypes("7"));
    EXPECT_TRUE(boxes.txtBall2.UserTypes("5"));
    EXPECT_EQ(boxes.checked, (std::vector<std::string>{"txtBall1", "txtBall1"}));

    // A button causing validation loses its click when the check refuses.
    EXPECT_FALSE(boxes.cmdOK.UserClick());
    EXPECT_EQ(boxes.okClicks, 0);
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall2);
    EXPECT_EQ(desktop.messages.size(), 2u);
}

TEST_F(FormFocusTest, AButtonNotCausingValidationLeavesTheCheckDueForTheNextMove) {
    boxes.Show();
    boxes.txtBall1.UserTypes("8");

    EXPECT_TRUE(boxes.cmdHelp.UserClick());
    EXPECT_EQ(boxes.helpClicks, 1);
    EXPECT_TRUE(boxes.checked.empty());

    // From the button to the other box: the first box is still due, and the focus returns to it.
    EXPECT_FALSE(boxes.txtBall2.UserFocus());
    EXPECT_EQ(boxes.checked, std::vector<std::string>{"txtBall1"});
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall1);

    // Cancel closes the window without reporting the bad entry.
    boxes.txtBall1.UserTypes("9");
    const auto messagesBefore = desktop.messages.size();
    EXPECT_TRUE(boxes.cmdCancel.UserClick());
    EXPECT_EQ(desktop.messages.size(), messagesBefore);
    EXPECT_EQ(forms.Find<frmBoxes>(), nullptr);
}

TEST_F(FormFocusTest, FocusFromCodeChecksNothingAndAskedForTheRealFocus) {
    boxes.Show();
    boxes.txtBall1.text = "8";
    const auto requests = boxes.FocusRequests();

    boxes.txtBall2.SetFocus();
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall2);
    EXPECT_GT(boxes.FocusRequests(), requests);
    EXPECT_TRUE(boxes.checked.empty());

    // A hidden or disabled element cannot take the focus from the user.
    boxes.txtBall1.enabled = false;
    EXPECT_FALSE(boxes.txtBall1.UserFocus());
    boxes.txtBall1.enabled = true;
    boxes.txtBall1.visible = false;
    EXPECT_FALSE(boxes.txtBall1.UserClick());
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall2);
}

TEST_F(FormFocusTest, ACheckMayRunItsOwnFocusMovesWithoutBeingEnteredAgain) {
    // A check that reports through a message box and moves the focus itself, as a check may do when
    // the window system hands the focus around while its message is up.
    boxes.txtBall1.onValidate = [this](bool& cancel) {
        boxes.checked.emplace_back("txtBall1");
        EXPECT_FALSE(boxes.txtBall2.UserFocus()) << "a focus move inside a check must not start another";
        boxes.txtBall1.text.clear();
        boxes.txtBall1.SetFocus();
        cancel = true;
    };
    boxes.Show();
    EXPECT_FALSE(boxes.cmdOK.UserClick());
    EXPECT_EQ(boxes.checked, std::vector<std::string>{"txtBall1"});
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall1);
    EXPECT_EQ(boxes.okClicks, 0);
}

}  // namespace
}  // namespace quintara::ui
