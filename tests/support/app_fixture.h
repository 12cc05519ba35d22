#pragma once
#include <gtest/gtest.h>

#include "app/registry.h"
#include "program/screens.h"
#include "support/fake_platform.h"

// The whole program on a fake platform. Handlers are driven the way the platform would:
// through deliver(), so a screen that unloads itself is destroyed only afterwards.
class AppTest : public ::testing::Test {
protected:
    AppTest() { registerScreens(registry); }

    ui::Screen& screen(const std::string& name) { return registry.screen(name); }
    // A click on a control (member `index` of an array), as the user gives it.
    void click(const std::string& screenName, const std::string& control, int index = -1) {
        registry.deliver([&] { registry.screen(screenName).control(control, index).click(); });
    }
    void mouseDown(const std::string& screenName, int x, int y, int button = ui::LeftButton) {
        registry.deliver(
            [&] { registry.screen(screenName).mouseDown(nullptr, {button, 0, x, y}); });
    }
    void mouseMove(const std::string& screenName, int x, int y, int buttons = ui::NoButton) {
        registry.deliver(
            [&] { registry.screen(screenName).mouseMove(nullptr, {buttons, 0, x, y}); });
    }
    void mouseUp(const std::string& screenName, int x, int y, int button = ui::LeftButton) {
        registry.deliver([&] { registry.screen(screenName).mouseUp(nullptr, {button, 0, x, y}); });
    }
    // Loaded and on view; asking never loads a screen.
    bool shown(const std::string& name) {
        return registry.isLoaded(name) && registry.screen(name).shown();
    }

    FakePlatform platform;
    Registry registry{platform};
};
