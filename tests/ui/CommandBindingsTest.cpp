#include <gtest/gtest.h>
#include <map>
#include <set>

#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/check/CheckCommands.h"
#include "ui/history/UpdateCommands.h"
#include "ui/lines/LinesCommands.h"
#include "ui/main/BrowseCommands.h"
#include "ui/main/frmQuintara.h"
#include "ui/picks/PickCommands.h"
#include "ui/simulate/SimulateCommands.h"
#include "ui/start/HelpCommands.h"
#include "ui/stats/StatsCommands.h"

namespace quintara::ui::test {
namespace {

// The main window, counting what the command tables bind to it once it is made.
class CountingMainWindow : public frmQuintara {
public:
    using frmQuintara::frmQuintara;
    std::map<std::pair<std::string, Event>, int> bound;
    int recentFileBindings = 0;

    void Bind(std::string_view element, Event event, std::function<void()>) override {
        ++bound[{std::string(element), event}];
    }
    void BindRecentFiles(std::function<void(int)>) override { ++recentFileBindings; }
};

// A row left out of a table leaves a command dead; a row in two tables silently loses one of them.
TEST(CommandBindingsTest, EveryCommandOfTheMainWindowReactsThroughOneRowOfOneTable) {
    quintara::test::TempDir dir;
    quintara::test::FakePlatform desktop;
    App app{desktop, dir.Path()};
    CountingMainWindow fake(app);
    PickCommands(app, fake).BindTo(fake);
    BrowseCommands(app, fake).BindTo(fake);
    HelpCommands(app, fake).BindTo(fake);
    LinesCommands(app, fake).BindTo(fake);
    CheckCommands(app, fake).BindTo(fake);
    StatsCommands(app).BindTo(fake);
    SimulateCommands(app, fake).BindTo(fake);
    UpdateCommands(app, fake).BindTo(fake);
    for (const auto& [binding, count] : fake.bound) {
        EXPECT_EQ(count, 1) << binding.first;
    }
    EXPECT_EQ(fake.recentFileBindings, 1);

    // The window bound the same tables when it was made, and would throw on an element it lacks.
    const frmQuintara& main = fake;
    std::set<const MenuItem*> menus;
    std::vector<std::string> unbound;
    for (const Element* element : main.Elements()) {
        if (const auto* item = dynamic_cast<const MenuItem*>(element)) {
            menus.insert(item->Parent());
        }
    }
    for (const Element* element : main.Elements()) {
        const auto* item = dynamic_cast<const MenuItem*>(element);
        const bool command = item != nullptr
                                 ? item->Parent() != nullptr && !item->IsSeparator() && !menus.contains(item)
                                 : dynamic_cast<const CommandButton*>(element) != nullptr;
        if (command && !element->onClick) {
            unbound.push_back(element->Name());
        }
    }
    // Properties is a menu item without an action.
    EXPECT_EQ(unbound, std::vector<std::string>{"mnuOptionsProperties"});
}

}  // namespace
}  // namespace quintara::ui::test
