#include <gtest/gtest.h>

#include "formkit/Accessibility.h"
#include "ui/MainWindowFixture.h"
#include "ui/history/frmUpdateLottoHistory.h"

namespace quintara::ui::test {
namespace {

// Every box, list and button a screen reader can reach has a name.
void ExpectEveryControlNamed(const Form& form) {
    const AccessibleNames names(form);
    for (const Element* element : form.Elements()) {
        if (element->Focusable() && element->visible) {
            EXPECT_FALSE(names.NameOf(*element).empty()) << form.Name() << "." << element->Id();
        }
    }
}

TEST_F(StartedMainWindowTest, ScreenReadersFindANameOnEveryBoxListButtonAndBall) {
    ExpectEveryControlNamed(main);
    const AccessibleNames names(main);
    const std::pair<const Element&, std::string> rows[] = {
        {main.txtDrawDate, "Draw Date"},
        {main.txtNumberOfDraws, "Total number of draws to date"},
        {main.cmbWheels, "Select a Wheel from list:"},
        {main.cmdNumberSearch, "Number Search"},
        {main.cmdBOF, "First draw"},
        // A ball reads as its heading and its number, and so does the picture it lies on.
        {main.lblDrawBall1, "Ball 1: " + main.lblDrawBall1.caption},
        {main.Image3, "Ball 1: " + main.lblDrawBall1.caption},
        {main.lblDrawBallBonus, "Bonus Ball: " + main.lblDrawBallBonus.caption},
        {main.lblDrawDate, ""},  // a caption reads itself
    };
    for (const auto& [element, name] : rows) {
        EXPECT_EQ(names.NameOf(element), name) << element.Id();
    }
    // The Thunderball's place follows the game.
    main.LoadDrawThunderball();
    EXPECT_EQ(AccessibleNames(main).NameOf(main.lblDrawBallBonus),
              "Thunderball: " + main.lblDrawBallBonus.caption);

    // A box takes its label's caption, as the main window's rows show; here, every box is reached.
    main.mnuUpdateLottoHistory.Click();
    ExpectEveryControlNamed(*app.forms.Find<frmUpdateLottoHistory>());
}

}  // namespace
}  // namespace quintara::ui::test
