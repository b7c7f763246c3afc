#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "support/SampleForms.h"

namespace quintara::ui {
namespace {

using test::frmBoxes;
using test::frmDialog;
using test::frmSample;
using Log = std::vector<std::string>;

// The form model without a window system: elements and their reactions, the forms' lives, the focus.
class FormsTest : public testing::Test {
protected:
    FormsTest() { frmDialog::unloads = 0; }

    test::FakePlatform desktop;
    FormManager forms{desktop};
    frmSample& sample = forms.Get<frmSample>();
};

TEST_F(FormsTest, SelectingFromCodeOrByTheUserClicksWhileTypingChanges) {
    sample.Show();
    auto& combo = sample.cmbAlgorithms;
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_TRUE(sample.log.empty()) << "filling a box raises nothing";

    combo.SetListIndex(1);
    combo.SetListIndex(1);  // selecting the same position again still reacts
    EXPECT_TRUE(combo.UserSelects(0));
    EXPECT_FALSE(combo.UserSelects(3));
    combo.SetListIndex(-1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(sample.log, (Log{"cmbAlgorithms click Algorithm B", "cmbAlgorithms click Algorithm B",
                               "cmbAlgorithms click Algorithm A"}));
    EXPECT_THROW(combo.SetListIndex(3), std::out_of_range);
    EXPECT_FALSE(combo.UserTypes("typed")) << "a drop-down list takes no typing";

    sample.log.clear();
    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(combo.ListIndex(), -1);
    sample.cmbName.AddItem("Lotto");
    EXPECT_TRUE(sample.cmbName.UserTypes("Thunder"));
    EXPECT_EQ(sample.cmbName.ListIndex(), -1);
    sample.txtNumber.text = "12";  // code assigning a text raises nothing
    EXPECT_TRUE(sample.txtNumber.UserTypes("13"));
    EXPECT_TRUE(sample.txtNumber.UserTypes("13"));  // no change, no reaction
    sample.txtNumber.locked = true;
    EXPECT_FALSE(sample.txtNumber.UserTypes("14"));
    EXPECT_EQ(sample.log, (Log{"cmbName change Thunder", "txtNumber change 13"}));
}

TEST_F(FormsTest, ElementsAreFoundByIdAndRaiseTheirReactionsThroughIt) {
    EXPECT_EQ(sample.Find("lblBall(0)"), &sample.lblBall[0]);
    EXPECT_EQ(sample.Find("lblBall"), nullptr);
    EXPECT_EQ(&sample.Get<CommandButton>("cmdAsk"), &sample.cmdAsk);
    EXPECT_THROW(sample.Get<Label>("cmdAsk"), std::out_of_range);

    sample.Show();
    EXPECT_TRUE(sample.Find("lblBall(0)")->UserClick() && sample.Get<MenuItem>("mnuFileExit").UserClick());
    EXPECT_EQ(sample.log, (Log{"lblBall click 0", "mnuFileExit click"}));

    // A command under a disabled or hidden menu cannot be chosen; code may still run it.
    sample.mnuFile.enabled = false;
    EXPECT_FALSE(sample.mnuFileExit.UserClick());
    sample.mnuFileExit.Click();
    EXPECT_EQ(sample.log.size(), 3u);
}

TEST_F(FormsTest, ControlArraysGrowFromTheirDesignElementAndKeepTheirPlaceInTheForm) {
    auto& ball = sample.lblBall;
    ball[0].visible = false;
    Label& second = ball.Load(2);
    ball.Load(1).left = ball[0].left + 700;
    EXPECT_EQ(second.Id(), "lblBall(2)");
    EXPECT_FALSE(second.visible) << "a new element copies the whole design element";
    EXPECT_EQ(ball.UBound(), 2);
    EXPECT_THROW(ball.Load(1), std::invalid_argument);
    second.visible = true;
    sample.Show();
    EXPECT_TRUE(second.UserClick());
    EXPECT_EQ(sample.log, Log{"lblBall click 2"});

    // Loaded items stay together in index order: the recent files ahead of the separator after them.
    sample.mnuFileRecent.Load(1).caption = "second.lot";
    Log ids;
    for (const Element* element : sample.Elements()) {
        ids.push_back(element->Id());
    }
    EXPECT_EQ(Log(ids.begin(), ids.begin() + 5),
              (Log{"mnuFile", "mnuFileRecent(0)", "mnuFileRecent(1)", "mnuFileHyphen3", "mnuFileExit"}));
    EXPECT_EQ(Log(ids.end() - 3, ids.end()), (Log{"lblBall(0)", "lblBall(1)", "lblBall(2)"}));
    EXPECT_EQ(sample.mnuFileRecent[1].Parent(), &sample.mnuFile);

    const auto version = sample.StructureVersion();
    ball.Unload(1);
    EXPECT_GT(sample.StructureVersion(), version);
    EXPECT_EQ(sample.Find("lblBall(1)"), nullptr);
    EXPECT_THROW(ball.Unload(0), std::invalid_argument);
    EXPECT_THROW(ball[1], std::out_of_range);

    // An element unloaded by its own reaction finishes it safely.
    ball.onClick = [&](int index) {
        ball.Unload(index);
        sample.log.push_back("unloaded " + std::to_string(index));
    };
    EXPECT_TRUE(second.UserClick());
    EXPECT_EQ(sample.log.back(), "unloaded 2");
    EXPECT_EQ(ball.Count(), 1);
}

TEST_F(FormsTest, ChartCellsCountFromOneAndStayUnsetUntilGivenAValue) {
    Chart& chart = sample.MSChartLotto;
    chart.SetValue(1, 3, 2.5);
    chart.SetColumnLabel(3, "49");
    chart.SetRowLabel(1, "Numbers");
    EXPECT_EQ(chart.Value(1, 3), 2.5);
    EXPECT_EQ(chart.Value(1, 1), std::nullopt);
    EXPECT_EQ(chart.Data().columnLabels, (Log{"", "", "49"}));
    EXPECT_THROW(chart.SetValue(1, 4, 1), std::out_of_range);
    EXPECT_THROW(chart.SetValue(0, 1, 1), std::out_of_range);
    EXPECT_THROW(chart.SetRowLabel(2, "x"), std::out_of_range);
    chart.SetSize(2, 1);
    EXPECT_EQ(chart.Value(2, 1), std::nullopt);
    EXPECT_EQ(chart.Data().values.size(), 2u);
}

TEST_F(FormsTest, AFormIsMadeOnceAndAShownOneIsOnlyBroughtToTheFront) {
    auto& first = forms.Get<frmDialog>();
    EXPECT_EQ(&forms.Get<frmDialog>(), &first);
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(forms.Find("frmDialog"), &first);

    first.Show();
    first.Show();
    EXPECT_EQ(first.resizes, 1) << "the window is laid out once, when first shown";
    ASSERT_EQ(desktop.showings.size(), 1u);
    EXPECT_EQ(desktop.broughtToFront, Log{"frmDialog"});
    first.Hide();
    EXPECT_FALSE(first.Visible());
    first.Show();
    EXPECT_EQ(desktop.showings.size(), 2u);

    // Unloading forgets the form and its state.
    first.txtAnswer.text = "12";
    first.Unload();
    EXPECT_EQ(frmDialog::unloads, 1);
    EXPECT_EQ(desktop.unloaded, Log{"frmDialog"});
    EXPECT_EQ(forms.Find<frmDialog>(), nullptr);
    auto& fresh = forms.Get<frmDialog>();
    EXPECT_EQ(fresh.txtAnswer.text, "");
    EXPECT_EQ(fresh.loads, 1);
}

TEST_F(FormsTest, AModalShowRunsTheTestsStepsAndReturnsWhenTheDialogIsDone) {
    sample.Show();
    desktop.WhenShownModally<frmDialog>("frmDialog", [](frmDialog& dialog) {
        dialog.txtAnswer.UserTypes("42");
        dialog.cmdOK.UserClick();
    });
    desktop.WhenShownModally<frmDialog>("frmDialog", [](frmDialog& dialog) { dialog.cmdCancel.UserClick(); });

    EXPECT_TRUE(sample.cmdAsk.UserClick());
    EXPECT_EQ(sample.lblStatus.caption, "42 read twice");
    EXPECT_EQ(forms.Find<frmDialog>(), nullptr);
    EXPECT_TRUE(sample.cmdAsk.UserClick());
    EXPECT_EQ(sample.lblStatus.caption, "cancelled");
    EXPECT_EQ(desktop.PendingModalSteps(), 0u);
    EXPECT_EQ(frmDialog::unloads, 2);
}

TEST_F(FormsTest, UnloadingEveryFormEndsTheProgram) {
    int ends = 0;
    forms.onLastUnloaded = [&ends] { ++ends; };
    sample.Show();
    forms.Get<frmDialog>();
    forms.UnloadAll();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(forms.Forms().empty());
    EXPECT_EQ(desktop.unloaded, (Log{"frmDialog", "frmSample"}));
}

TEST_F(FormsTest, TheInnerAreaLeavesRoomForFrameAndMenuBar) {
    auto& dialog = forms.Get<frmDialog>();
    sample.height = 7605;
    sample.SetScaleSize(sample.ScaleWidth(), sample.ScaleHeight());
    EXPECT_EQ(std::pair(sample.width, sample.height), std::pair(7695, 7605));
    dialog.height = sample.height;
    EXPECT_EQ(dialog.ScaleHeight() - sample.ScaleHeight(), Form::kMenuBarTwips);
    sample.mnuFile.visible = false;
    sample.mnuHelp.visible = false;
    EXPECT_EQ(dialog.ScaleHeight(), sample.ScaleHeight());
}

TEST(BusyPointerTest, PutsBackThePointerItFoundOnEveryWayOut) {
    test::FakePlatform desktop;
    try {
        BusyPointer busy(desktop);
        EXPECT_TRUE(desktop.busy);
        { BusyPointer inner(desktop); }
        EXPECT_TRUE(desktop.busy) << "an inner command leaves the outer one's pointer";
        throw std::runtime_error("failure");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(desktop.busy);

    BusyPointer busy(desktop);
    busy.Restore();
    EXPECT_FALSE(desktop.busy);
    desktop.SetBusyPointer(true);
    busy.Restore();  // once only
    EXPECT_TRUE(desktop.busy);
}

TEST_F(FormsTest, LeavingABoxForAnotherChecksItOnceAndARefusalKeepsTheFocusThere) {
    frmBoxes& boxes = forms.Get<frmBoxes>();
    boxes.Show();
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall1);  // the first element that can take the focus

    ASSERT_TRUE(boxes.txtBall1.UserTypes("8"));
    EXPECT_FALSE(boxes.txtBall2.UserTypes("5"));
    EXPECT_EQ(boxes.checked, Log{"txtBall1"});
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
    EXPECT_EQ(boxes.checked, (Log{"txtBall1", "txtBall1"}));

    // A button causing validation loses its click when the check refuses.
    EXPECT_FALSE(boxes.cmdOK.UserClick());
    EXPECT_EQ(boxes.okClicks, 0);
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall2);
    EXPECT_EQ(desktop.messages.size(), 2u);
}

TEST_F(FormsTest, AButtonNotCausingValidationLeavesTheCheckDueForTheNextMove) {
    frmBoxes& boxes = forms.Get<frmBoxes>();
    boxes.Show();
    boxes.txtBall1.UserTypes("8");
    EXPECT_TRUE(boxes.cmdHelp.UserClick());
    EXPECT_EQ(boxes.helpClicks, 1);
    EXPECT_TRUE(boxes.checked.empty());

    // From the button to the other box: the first box is still due, and the focus returns to it.
    EXPECT_FALSE(boxes.txtBall2.UserFocus());
    EXPECT_EQ(boxes.checked, Log{"txtBall1"});
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall1);

    // Cancel closes the window without reporting the bad entry.
    boxes.txtBall1.UserTypes("9");
    EXPECT_TRUE(boxes.cmdCancel.UserClick());
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(forms.Find<frmBoxes>(), nullptr);
}

TEST_F(FormsTest, FocusFromCodeChecksNothingAndAsksForTheRealFocus) {
    frmBoxes& boxes = forms.Get<frmBoxes>();
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

TEST_F(FormsTest, ACheckMayRunItsOwnFocusMovesWithoutBeingEnteredAgain) {
    frmBoxes& boxes = forms.Get<frmBoxes>();
    // A check that moves the focus itself, as it may when the window system hands the focus around
    // while its message is up.
    boxes.txtBall1.onValidate = [&boxes](bool& cancel) {
        boxes.checked.emplace_back("txtBall1");
        EXPECT_FALSE(boxes.txtBall2.UserFocus()) << "a focus move inside a check must not start another";
        boxes.txtBall1.text.clear();
        boxes.txtBall1.SetFocus();
        cancel = true;
    };
    boxes.Show();
    EXPECT_FALSE(boxes.cmdOK.UserClick());
    EXPECT_EQ(boxes.checked, Log{"txtBall1"});
    EXPECT_EQ(boxes.ActiveControl(), &boxes.txtBall1);
    EXPECT_EQ(boxes.okClicks, 0);
}

}  // namespace
}  // namespace quintara::ui
