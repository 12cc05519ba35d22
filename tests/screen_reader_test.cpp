// What a screen reader is told of each screen: its window's name, and a name for every group and
// everything read out.
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/access.h"

namespace {

using kit::PrintTo;

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

const char* const everyScreen[] = {"Titlefrm", "intro0",   "menu1", "menu2",       "menu3", "menu4",
                                   "menu5",    "hamilton", "surds", "reflections", "jotter"};

class ScreenReader : public AppTest {
protected:
    // Each control on view that a screen reader meets, a group included, says something, and
    // options are heard as the choices of a named group.
    void expectAllNamed(const std::string& name, const std::string& state) {
        const ui::Screen& s = screen(name);
        EXPECT_FALSE(blank(s.windowName())) << name;
        for (const auto& c : s.controls()) {
            const ui::Access a = ui::accessOf(s, *c);
            if (!kit::onView(*c) || a.role == ui::Role::Hidden || a.role == ui::Role::None)
                continue;
            EXPECT_FALSE(blank(a.name) && blank(a.text))
                << name << " " << state << ": " << c->name() << "(" << c->index() << ")";
            const bool inGroup = c->container() && c->container()->role() == ui::Role::Group;
            EXPECT_TRUE(a.role != ui::Role::RadioButton || inGroup) << name << " " << c->name();
        }
    }
};

// As each screen first shows, and again after each of its choices.
TEST_F(ScreenReader, EveryScreenNamesItsWindowItsGroupsAndWhatItReads) {
    for (const char* name : everyScreen) {
        registry.deliver([&] { registry.show(name); });
        expectAllNamed(name, "shown");
        for (const auto& c : screen(name).controls())
            if (c->kind() == ui::ControlKind::OptionButton && kit::onView(*c)) {
                clickOn(name, *c);
                expectAllNamed(name, "after " + c->caption());
            }
    }
}

}  // namespace
