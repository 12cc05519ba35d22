#pragma once
#include <gtest/gtest.h>

#include "app/registry.h"
#include "program/screens.h"
#include "support/fake_platform.h"
#include "support/kit.h"

// The whole program on a fake platform. Handlers are driven the way the platform would:
// through deliver(), so a screen that unloads itself is destroyed only afterwards.
class AppTest : public ::testing::Test {
protected:
    AppTest() { registerScreens(registry); }
    // The registry catches a handler that throws and goes on: a test fails on it all the same.
    void TearDown() override { EXPECT_EQ(registry.caughtFaults(), 0); }

    ui::Screen& screen(const std::string& name) { return registry.screen(name); }
    // A left click at the middle of a control (member `index` of an array), as the user gives
    // it: what is on top there takes it.
    void click(const std::string& screenName, const std::string& control, int index = -1) {
        clickOn(screenName, registry.screen(screenName).control(control, index));
    }
    // Pointer input on a screen's window at a point of its design, in twips.
    void pointer(const std::string& screenName, ui::PointerAction action, int button, int x,
                 int y) {
        registry.deliver([&] {
            ui::Screen& s = registry.screen(screenName);
            const ui::View v = s.view();
            s.pointer({action, button, 0, v.toWindowX(x), v.toWindowY(y)});
        });
    }
    // The same at a point of a frame or picture box, in its own twips.
    void pointerIn(const ui::Control& container, ui::PointerAction action, int button, int x,
                   int y) {
        const kit::ScreenPoint at = kit::screenOrigin(container);
        pointer(container.screen().name(), action, button, at.x + x, at.y + y);
    }
    void mouseDown(const std::string& screenName, int x, int y, int button = ui::LeftButton) {
        pointer(screenName, ui::PointerAction::Press, button, x, y);
    }
    void mouseMove(const std::string& screenName, int x, int y, int buttons = ui::NoButton) {
        pointer(screenName, ui::PointerAction::Move, buttons, x, y);
    }
    void mouseUp(const std::string& screenName, int x, int y, int button = ui::LeftButton) {
        pointer(screenName, ui::PointerAction::Release, button, x, y);
    }
    // A left click where a control is, through the same routing as the user's.
    void clickOn(const std::string& screenName, const ui::Control& c) {
        const kit::ScreenPoint at = kit::screenOrigin(c);
        const int x = at.x + c.width() / 2, y = at.y + c.height() / 2;
        mouseDown(screenName, x, y);
        mouseUp(screenName, x, y);
    }
    void key(const std::string& screenName, ui::Key k) {
        registry.keyPressed(registry.screen(screenName), k);
    }
    // Loaded and on view; asking never loads a screen.
    bool shown(const std::string& name) {
        return registry.isLoaded(name) && registry.screen(name).shown();
    }

    FakePlatform platform;
    Registry registry{platform};
};
