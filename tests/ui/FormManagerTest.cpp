#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "ui/Elements.h"
#include "ui/FormManager.h"

namespace quintara::ui {
namespace {

// A dialog asking for a number; OK hides it and the opener reads the box, Cancel unloads it.
class frmNumber : public Form {
public:
    frmNumber() : Form("frmNumber", "Number") {
        onLoad = [this] { ++loads; };
        onResize = [this] { ++resizes; };
        onUnload = [] { log.emplace_back("frmNumber unload"); };
        cmdOK.onClick = [this] { Hide(); };
        cmdCancel.onClick = [this] { Unload(); };
    }
    TextBox txtNumber{this, "txtNumber"};
    CommandButton cmdOK{this, "cmdOK", "OK"};
    CommandButton cmdCancel{this, "cmdCancel", "Cancel"};
    int loads = 0;
    int resizes = 0;
    inline static std::vector<std::string> log;
};

// The window that opens the dialog modally and uses what was typed.
class frmMain : public Form {
public:
    frmMain() : Form("frmMain", "Main") {
        cmdAsk.onClick = [this] {
            auto& dialog = Manager().Get<frmNumber>();
            dialog.Show(ShowMode::Modal);
            if (auto* open = Manager().Find<frmNumber>()) {
                lblAnswer.caption = open->txtNumber.text;
                open->Unload();
                // Unloaded forms live on until this reaction returns.
                lblAnswer.caption += dialog.txtNumber.text.empty() ? "" : " read twice";
            } else {
                lblAnswer.caption = "cancelled";
            }
        };
    }
    MenuItem mnuFile{this, "mnuFile", "&File"};
    Label lblAnswer{this, "lblAnswer"};
    CommandButton cmdAsk{this, "cmdAsk", "Ask"};
};

class FormManagerTest : public testing::Test {
protected:
    void SetUp() override { frmNumber::log.clear(); }

    test::FakePlatform desktop;
    FormManager forms{desktop};
};

TEST_F(FormManagerTest, AFormIsMadeOnceAndAShownOneIsOnlyBroughtToTheFront) {
    auto& first = forms.Get<frmNumber>();
    auto& again = forms.Get<frmNumber>();
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(forms.Find("frmNumber"), &first);

    first.Show();
    first.Show();
    EXPECT_EQ(first.resizes, 1) << "the window is laid out once, when first shown";
    ASSERT_EQ(desktop.showings.size(), 1u);
    EXPECT_EQ(desktop.broughtToFront, std::vector<std::string>{"frmNumber"});

    first.Hide();
    EXPECT_FALSE(first.Visible());
    first.Show();
    EXPECT_EQ(desktop.showings.size(), 2u);
    EXPECT_EQ(first.loads, 1);
}

TEST_F(FormManagerTest, UnloadingForgetsTheFormAndItsState) {
    auto& dialog = forms.Get<frmNumber>();
    dialog.txtNumber.text = "12";
    dialog.Unload();
    EXPECT_EQ(frmNumber::log, std::vector<std::string>{"frmNumber unload"});
    EXPECT_EQ(desktop.unloaded, std::vector<std::string>{"frmNumber"});
    EXPECT_EQ(forms.Find<frmNumber>(), nullptr);

    auto& fresh = forms.Get<frmNumber>();
    EXPECT_EQ(fresh.txtNumber.text, "");
    EXPECT_EQ(fresh.loads, 1);
}

TEST_F(FormManagerTest, AModalShowRunsTheTestsStepsAndReturnsWhenTheDialogIsDone) {
    auto& main = forms.Get<frmMain>();
    main.Show();
    desktop.WhenShownModally<frmNumber>("frmNumber", [](frmNumber& dialog) {
        dialog.txtNumber.UserTypes("42");
        dialog.cmdOK.UserClick();
    });
    desktop.WhenShownModally<frmNumber>("frmNumber", [](frmNumber& dialog) { dialog.cmdCancel.UserClick(); });

    EXPECT_TRUE(main.cmdAsk.UserClick());
    EXPECT_EQ(main.lblAnswer.caption, "42 read twice");
    EXPECT_EQ(forms.Find<frmNumber>(), nullptr);

    EXPECT_TRUE(main.cmdAsk.UserClick());
    EXPECT_EQ(main.lblAnswer.caption, "cancelled");
    EXPECT_EQ(desktop.PendingModalSteps(), 0u);
    EXPECT_EQ(frmNumber::log, (std::vector<std::string>{"frmNumber unload", "frmNumber unload"}));

    // A modal show of another window than the script expects is a fault of the test.
    desktop.WhenShownModally("frmOther", [](Form&) {});
    EXPECT_NONFATAL_FAILURE(main.cmdAsk.UserClick(), "frmNumber was shown modally while the script waits");
}

TEST_F(FormManagerTest, UnloadingEveryFormEndsTheProgram) {
    int ends = 0;
    forms.onLastUnloaded = [&ends] { ++ends; };
    forms.Get<frmMain>().Show();
    forms.Get<frmNumber>();
    forms.UnloadAll();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(forms.Forms().empty());
    EXPECT_EQ(desktop.unloaded, (std::vector<std::string>{"frmNumber", "frmMain"}));
}

TEST_F(FormManagerTest, TheInnerAreaLeavesRoomForFrameAndMenuBar) {
    auto& main = forms.Get<frmMain>();
    auto& dialog = forms.Get<frmNumber>();
    main.width = 7695;
    main.height = 7605;
    main.SetScaleSize(main.ScaleWidth(), main.ScaleHeight());
    EXPECT_EQ(main.width, 7695);
    EXPECT_EQ(main.height, 7605);
    dialog.height = main.height;
    EXPECT_EQ(dialog.ScaleHeight() - main.ScaleHeight(), Form::kMenuBarTwips);
    main.mnuFile.visible = false;
    EXPECT_EQ(dialog.ScaleHeight(), main.ScaleHeight());
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

}  // namespace
}  // namespace quintara::ui
