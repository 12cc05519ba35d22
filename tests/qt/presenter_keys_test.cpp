#include <ostream>
#include <string>

#include "support/kit.h"
#include "support/qt_fixture.h"

namespace {

using kit::PrintTo;

// A clicker's forward keys press the activity's next button; its back keys do nothing.
struct KeyRow {
    const char* name;
    Qt::Key key;
    int nextPresses;
};

class PresenterKeys : public QtAppTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(PresenterKeys, OnEveryActivityForwardIsTheNextButton) {
    for (const char* activity : {"hamilton", "surds", "reflections"}) {
        registry.deliver([&] { registry.show(activity); });
        ui::Control& next = registry.screen(activity).control("cmdgo");
        int presses = 0;
        next.onClick = [&presses](int) { ++presses; };
        // Even with an option button focused, as after a click on it.
        ui::Screen& s = registry.screen(activity);
        registry.deliver([&] { s.setFocus(&s.control("Option2")); });
        ASSERT_EQ(s.focused(), &s.control("Option2"));
        QApplication::setActiveWindow(&window(activity));
        QTest::keyClick(&window(activity), GetParam().key);
        EXPECT_EQ(presses, GetParam().nextPresses) << activity;
    }
}

// The puzzle sheet hides next: the clicker has nothing to press there.
TEST_F(QtAppTest, ForwardKeyWithNextHiddenDoesNothing) {
    registry.deliver([&] { registry.show("surds"); });
    registry.deliver([&] { registry.screen("surds").control("Option5").setValue(1); });
    int presses = 0;
    registry.screen("surds").control("cmdgo").onClick = [&presses](int) { ++presses; };
    QApplication::setActiveWindow(&window("surds"));
    QTest::keyClick(&window("surds"), Qt::Key_PageDown);
    EXPECT_EQ(presses, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, PresenterKeys,
                         ::testing::Values(KeyRow{"PageDown", Qt::Key_PageDown, 1},
                                           KeyRow{"Right", Qt::Key_Right, 1},
                                           KeyRow{"PageUp", Qt::Key_PageUp, 0},
                                           KeyRow{"Left", Qt::Key_Left, 0}),
                         kit::byName);

TEST_F(QtAppTest, ForwardKeyOnAMenuDoesNothing) {
    registry.deliver([&] { registry.show("menu1"); });
    QTest::keyClick(&window("menu1"), Qt::Key_PageDown);
    EXPECT_TRUE(registry.isLoaded("menu1"));
    EXPECT_FALSE(registry.isLoaded("hamilton"));
}

}  // namespace
