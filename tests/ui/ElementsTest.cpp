#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "ui/ControlArray.h"
#include "ui/Elements.h"
#include "ui/FormManager.h"

namespace quintara::ui {
namespace {

std::vector<std::string> Ids(const Form& form) {
    std::vector<std::string> ids;
    for (const Element* element : form.Elements()) {
        ids.push_back(element->Id());
    }
    return ids;
}

// A window with a list box, an editable box, a label array and a menu array, logging its reactions.
class frmSample : public Form {
public:
    frmSample() : Form("frmSample", "Sample") {
        cmbAlgorithms.onClick = [this] { log.push_back("cmbAlgorithms click " + cmbAlgorithms.Text()); };
        cmbAlgorithms.onChange = [this] { log.emplace_back("cmbAlgorithms change"); };
        cmbName.editable = true;
        cmbName.onClick = [this] { log.emplace_back("cmbName click"); };
        cmbName.onChange = [this] { log.push_back("cmbName change " + cmbName.Text()); };
        txtNumber.onChange = [this] { log.push_back("txtNumber change " + txtNumber.text); };
        lblBall.onClick = [this](int index) { log.push_back("lblBall click " + std::to_string(index)); };
        mnuFileRecent.onClick = [this](int index) {
            log.push_back("mnuFileRecent click " + std::to_string(index));
        };
        mnuFileExit.onClick = [this] { log.emplace_back("mnuFileExit click"); };
    }

    MenuItem mnuFile{this, "mnuFile", "&File"};
    ControlArray<MenuItem> mnuFileRecent{this, "mnuFileRecent", "", &mnuFile};
    MenuItem mnuFileHyphen3{this, "mnuFileHyphen3", "-", &mnuFile};
    MenuItem mnuFileExit{this, "mnuFileExit", "E&xit", &mnuFile};
    ComboBox cmbAlgorithms{this, "cmbAlgorithms", {120, 120, 3000, 315}};
    ComboBox cmbName{this, "cmbName", {120, 600, 3000, 315}};
    TextBox txtNumber{this, "txtNumber"};
    ControlArray<Label> lblBall{this, "lblBall", "Ball", Geometry{120, 1200, 615, 255}};
    CommandButton cmdOK{this, "cmdOK", "OK"};
    std::vector<std::string> log;
};

class ElementsTest : public testing::Test {
protected:
    test::FakePlatform desktop;
    FormManager forms{desktop};
    frmSample& sample = forms.Get<frmSample>();
};

TEST_F(ElementsTest, SelectingFromCodeOrByTheUserClicksWhileTypingChanges) {
    sample.Show();
    auto& combo = sample.cmbAlgorithms;
    combo.AddItem("Algorithm A");
    combo.AddItem("Algorithm B");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_TRUE(sample.log.empty()) << "filling a box raises nothing";

    combo.SetListIndex(1);
    combo.SetListIndex(1);  // selecting the same position again still reacts
    EXPECT_TRUE(combo.UserSelects(0));
    EXPECT_FALSE(combo.UserSelects(2));
    combo.SetListIndex(-1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(sample.log,
              (std::vector<std::string>{"cmbAlgorithms click Algorithm B", "cmbAlgorithms click Algorithm B",
                                        "cmbAlgorithms click Algorithm A"}));
    EXPECT_THROW(combo.SetListIndex(2), std::out_of_range);
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
    EXPECT_EQ(sample.log, (std::vector<std::string>{"cmbName change Thunder", "txtNumber change 13"}));
}

TEST_F(ElementsTest, ElementsAreFoundByIdAndRaiseTheirReactionsThroughIt) {
    EXPECT_EQ(sample.Find("lblBall(0)"), &sample.lblBall[0]);
    EXPECT_EQ(sample.Find("lblBall"), nullptr);
    EXPECT_EQ(&sample.Get<CommandButton>("cmdOK"), &sample.cmdOK);
    EXPECT_THROW(sample.Get<Label>("cmdOK"), std::out_of_range);

    sample.Show();
    EXPECT_TRUE(sample.Find("lblBall(0)")->UserClick());
    EXPECT_TRUE(sample.Get<MenuItem>("mnuFileExit").UserClick());
    EXPECT_EQ(sample.log, (std::vector<std::string>{"lblBall click 0", "mnuFileExit click"}));

    // A command under a disabled or hidden menu cannot be chosen; code may still run it.
    sample.mnuFile.enabled = false;
    EXPECT_FALSE(sample.mnuFileExit.UserClick());
    sample.mnuFileExit.Click();
    EXPECT_EQ(sample.log.size(), 3u);
}

TEST_F(ElementsTest, ControlArraysGrowFromTheirDesignElementAndKeepTheirPlaceInTheForm) {
    auto& ball = sample.lblBall;
    ball[0].visible = false;
    ball[0].caption = "Ball 1";
    Label& second = ball.Load(2);
    Label& first = ball.Load(1);
    first.left = ball[0].left + 700;
    EXPECT_EQ(second.Id(), "lblBall(2)");
    EXPECT_EQ(second.caption, "Ball 1");
    EXPECT_FALSE(second.visible) << "a new element copies the whole design element";
    EXPECT_EQ(second.Bounds().top, 1200);
    EXPECT_EQ(ball.Count(), 3);
    EXPECT_EQ(ball.UBound(), 2);
    EXPECT_THROW(ball.Load(1), std::invalid_argument);

    second.visible = true;
    EXPECT_TRUE(second.UserClick());
    EXPECT_EQ(sample.log, std::vector<std::string>{"lblBall click 2"});

    // The recent-file items stay together in index order, ahead of the separator that follows them.
    sample.mnuFileRecent.Load(1).caption = "second.lot";
    sample.mnuFileRecent[0].caption = "first.lot";
    EXPECT_EQ(Ids(sample),
              (std::vector<std::string>{"mnuFile", "mnuFileRecent(0)", "mnuFileRecent(1)", "mnuFileHyphen3",
                                        "mnuFileExit", "cmbAlgorithms", "cmbName", "txtNumber", "lblBall(0)",
                                        "lblBall(1)", "lblBall(2)", "cmdOK"}));
    EXPECT_EQ(sample.mnuFileRecent[1].Parent(), &sample.mnuFile);

    const auto version = sample.StructureVersion();
    ball.Unload(1);
    EXPECT_GT(sample.StructureVersion(), version);
    EXPECT_EQ(sample.Find("lblBall(1)"), nullptr);
    EXPECT_FALSE(ball.Exists(1));
    EXPECT_THROW(ball.Unload(0), std::invalid_argument);
    EXPECT_THROW(ball[1], std::out_of_range);
}

TEST_F(ElementsTest, AnElementUnloadedByItsOwnReactionFinishesItSafely) {
    sample.lblBall.Load(1);
    sample.lblBall.onClick = [this](int index) {
        sample.lblBall.Unload(index);
        sample.log.push_back("unloaded " + std::to_string(index));
    };
    sample.Show();
    EXPECT_TRUE(sample.lblBall[1].UserClick());
    EXPECT_EQ(sample.log, std::vector<std::string>{"unloaded 1"});
    EXPECT_EQ(sample.lblBall.Count(), 1);
}

TEST(ChartTest, CellsCountFromOneAndStayUnsetUntilGivenAValue) {
    test::FakePlatform desktop;
    FormManager forms{desktop};
    struct frmChart : Form {
        frmChart() : Form("frmChart") {}
        Chart MSChartLotto{this, "MSChartLotto"};
    };
    Chart& chart = forms.Get<frmChart>().MSChartLotto;
    chart.SetSize(1, 3);
    chart.SetValue(1, 3, 2.5);
    chart.SetColumnLabel(3, "49");
    chart.SetRowLabel(1, "Numbers");
    EXPECT_EQ(chart.Value(1, 3), 2.5);
    EXPECT_EQ(chart.Value(1, 1), std::nullopt);
    EXPECT_EQ(chart.Data().columnLabels, (std::vector<std::string>{"", "", "49"}));
    EXPECT_THROW(chart.SetValue(1, 4, 1), std::out_of_range);
    EXPECT_THROW(chart.SetValue(0, 1, 1), std::out_of_range);
    EXPECT_THROW(chart.SetRowLabel(2, "x"), std::out_of_range);
    chart.SetSize(2, 1);
    EXPECT_EQ(chart.Value(2, 1), std::nullopt);
    EXPECT_EQ(chart.Data().values.size(), 2u);
}

}  // namespace
}  // namespace quintara::ui
