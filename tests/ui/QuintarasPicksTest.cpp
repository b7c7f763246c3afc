#include "generate/SectionSelection.h"
#include "ui/MainWindowFixture.h"
#include "ui/picks/frmMostLikely7Numbers.h"
#include "ui/picks/frmMostLikelyNumbers.h"

namespace quintara::ui::test {
namespace {

// A column as the view writes it: one line per value, each ending in CR LF.
std::string Column(int from, int to, const std::function<std::string(int)>& value) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += value(i) + "\r\n";
    }
    return text;
}

// The view's columns show `final` in four sections of `perSection` (the pointer columns beside them count
// up as the layout has them).
void ExpectSections(const frmMostLikelyNumbers& view, const OneBased<std::int16_t>& final, int perSection) {
    const std::array<const Label*, 4> numbers{&view.lblSectionANumbers, &view.lblSectionBNumbers,
                                              &view.lblSectionCNumbers, &view.lblSectionDNumbers};
    for (int s = 0; s < 4; ++s) {
        const int first = s * perSection + 1;
        const int last = first + perSection - 1;
        EXPECT_EQ(numbers[static_cast<std::size_t>(s)]->caption, Column(first, last, [&](int p) {
                      return "=  " + std::to_string(final[static_cast<std::size_t>(p)]);
                  }));
    }
}

frmMostLikelyNumbers& OpenPicks(App& app, frmQuintara& main) {
    main.mnuShowMostLikelyNumbers.Click();
    auto* view = app.forms.Find<frmMostLikelyNumbers>();
    EXPECT_NE(view, nullptr);
    EXPECT_TRUE(view->Visible());
    return *view;
}

TEST_F(StartedPickingTest, QuintarasPicksForEachGame) {
    frmMostLikelyNumbers& lotto = OpenPicks(app, main);
    EXPECT_EQ(lotto.caption, "Quintara's Picks - Lotto Draw");
    EXPECT_EQ(app.state.FinalNumbers,
              ChooseFinalNumbers(Game::Lotto, 1, app.state.Statistics()).FinalNumbers);
    ExpectSections(lotto, app.state.FinalNumbers, 7);
    EXPECT_EQ(lotto.lblApproxAverageOccurance.caption,
              "Approx Average Occurance of Straight 6 Numbers = 1 in 20 Draws");

    // Opened again it only comes forward; Print sends its picture (the print routine's cancel and failure
    // are tested with the charts).
    main.mnuShowMostLikelyNumbers.Click();
    EXPECT_EQ(desktop.broughtToFront.back(), "frmMostLikelyNumbers");
    desktop.printerAnswers = {true};
    lotto.mnuPrintMostLikely.Click();
    EXPECT_EQ(desktop.printedForms, Items{"frmMostLikelyNumbers"});
    lotto.mnuFileClose.Click();

    main.mnuDrawThunderball.Click();
    frmMostLikelyNumbers& thunderball = OpenPicks(app, main);
    const auto& final = app.state.FinalNumbers;
    ExpectSections(thunderball, final, 5);
    const auto number = [&](int p) { return std::to_string(final[static_cast<std::size_t>(p)]); };
    EXPECT_EQ(thunderball.lblThunderballNumbers[0].caption, Column(21, 24, number));
    EXPECT_EQ(thunderball.lblThunderballNumbers[1].caption, Column(25, 28, number));
    EXPECT_LE(thunderball.lblThunderball.left + thunderball.lblThunderball.width, thunderball.ScaleWidth());
    EXPECT_EQ(thunderball.lblTotalCombinations.caption,
              "Total Possible Combinations Using Criteria = 15,200");
    thunderball.UserCloses();

    main.mnuDrawDailyPlay.Click();
    frmMostLikelyNumbers& dailyPlay = OpenPicks(app, main);
    ExpectSections(dailyPlay, app.state.FinalNumbers, 4);
    EXPECT_EQ(dailyPlay.lblMaxFrequency.caption,
              "Original Total Possible Combinations with 27 numbers = 888,030");
    dailyPlay.UserCloses();

    // "49 Numbers from 49" has no final numbers to show.
    main.mnuDrawLotto.Click();
    main.cmbAlgorithms.UserSelects(1);
    main.mnuShowMostLikelyNumbers.Click();
    EXPECT_EQ(desktop.messages,
              (std::vector<quintara::test::FakePlatform::Message>{
                  {"This Option is not available for this Algorithm", "Not Available", MsgBoxIcon::None}}));
    EXPECT_EQ(app.forms.Find<frmMostLikelyNumbers>(), nullptr);
}

TEST_F(StartedPickingTest, SevenNumberView) {
    main.cmbAlgorithms.UserSelects(2);
    main.mnuShowMostLikelyNumbers.Click();
    auto* view = app.forms.Find<frmMostLikely7Numbers>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->caption, "Quintara - Quintara's Picks - Lotto Draw");
    const auto seven =
        SevenFromTwentyEight(ChooseFinalNumbers(Game::Lotto, 0, app.state.Statistics()).FinalNumbers);
    EXPECT_EQ(app.state.SevenNumbers, seven);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(view->lblActualNumber[i].caption, std::to_string(seven[static_cast<std::size_t>(i)]));
    }
    view->mnuFileClose.Click();
    EXPECT_EQ(app.forms.Find<frmMostLikely7Numbers>(), nullptr);
}

TEST_F(StartedPickingTest, AViewThatCannotBeFilledClosesQuietly) {
    dir.Write("7 Line Wheel 40 if 3 Numbers from 7_Lotto.txt", "1 2 3 4 5 28\r\n");
    const OneBased<LottoDrawRec> personal{{0, {1, 2, 3, 4, 5, 6}, 0, 0, ""}};
    app.state.PickedLines = personal;
    app.state.LinesFromPersonalPicks = true;
    main.cmbAlgorithms.UserSelects(2);
    main.mnuShowMostLikelyNumbers.Click();
    EXPECT_EQ(app.forms.Find<frmMostLikely7Numbers>(), nullptr);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(app.state.GeneratorMode, 1);
    EXPECT_EQ(app.state.PickedLines, personal);
}

}  // namespace
}  // namespace quintara::ui::test
