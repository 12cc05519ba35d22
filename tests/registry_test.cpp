#include <gtest/gtest.h>

#include <map>

#include "app/registry.h"
#include "support/fake_platform.h"

namespace {

const ui::ControlDesign noteControls[] = {
    {.kind = ui::ControlKind::Label, .name = "Label1", .caption = "design"},
    {.kind = ui::ControlKind::Button, .name = "Command1"},
};

// A screen that counts its loads and can read, show and unload others from its handlers.
class Note : public ui::Screen {
public:
    Note(Registry& r, std::string name, std::vector<std::string>* log)
        : ui::Screen(r.platform(), name, {.caption = name}, noteControls), registry(r), log(log) {}
    void Form_Load() override {
        log->push_back("load " + name());
        if (onLoad) onLoad();
    }
    Registry& registry;
    std::vector<std::string>* log;
    std::function<void()> onLoad;
};

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() {
        for (const char* name : {"first", "second"})
            registry.add(name, [this, name](Registry& r) {
                auto s = std::make_unique<Note>(r, name, &log);
                s->onLoad = onLoad[name];
                return s;
            });
    }
    Note& note(const char* name) { return registry.screenAs<Note>(name); }

    FakePlatform platform;
    Registry registry{platform};
    std::vector<std::string> log;
    std::map<std::string, std::function<void()>> onLoad;
};

TEST_F(RegistryTest, ReferenceLoadsOnceAndShowDoesNotLoadAgain) {
    EXPECT_EQ(note("first").control("Label1").caption(), "design");
    EXPECT_TRUE(registry.isLoaded("first"));
    EXPECT_FALSE(note("first").shown());
    EXPECT_FALSE(platform.hasWindow("first"));
    registry.show("first");
    registry.show("first");
    EXPECT_TRUE(note("first").shown());
    EXPECT_TRUE(platform.hasWindow("first"));
    EXPECT_EQ(log, std::vector<std::string>{"load first"});
}

TEST_F(RegistryTest, UnloadThenReferenceLoadsAfreshWithDesignValues) {
    note("first").control("Label1").setCaption("changed");
    registry.show("first");
    registry.unload("first");
    EXPECT_FALSE(registry.isLoaded("first"));
    EXPECT_FALSE(platform.hasWindow("first"));
    EXPECT_EQ(note("first").control("Label1").caption(), "design");
    EXPECT_FALSE(note("first").shown());
    EXPECT_EQ(log, (std::vector<std::string>{"load first", "load first"}));
}

TEST_F(RegistryTest, NextScreenLoadsWhileTheCurrentOneIsStillThere) {
    std::string seen;
    onLoad["second"] = [&] { seen = note("first").control("Label1").caption(); };
    registry.show("first");
    note("first").control("Label1").setCaption("left behind");
    note("first").control("Command1").onClick = [&](int) {
        registry.show("second");
        registry.unload("first");
    };
    registry.deliver([&] { note("first").control("Command1").click(); });
    EXPECT_EQ(seen, "left behind");
    EXPECT_FALSE(registry.isLoaded("first"));
    EXPECT_TRUE(note("second").shown());
}

TEST_F(RegistryTest, HandlerMayUnloadItsOwnScreenAndGoOnUsingIt) {
    registry.show("first");
    std::string after;
    note("first").control("Command1").onClick = [&](int) {
        Note& self = note("first");
        registry.unload("first");
        // Still alive until the event is over: reading it must be safe under ASan.
        after = self.control("Label1").caption();
    };
    registry.deliver([&] { note("first").control("Command1").click(); });
    EXPECT_EQ(after, "design");
    EXPECT_FALSE(registry.isLoaded("first"));
}

TEST_F(RegistryTest, EndUnloadsEverythingAndStopsHandlers) {
    registry.show("first");
    note("second");
    registry.end();
    EXPECT_TRUE(platform.ended);
    EXPECT_FALSE(registry.isLoaded("first"));
    EXPECT_FALSE(registry.isLoaded("second"));
    bool ran = false;
    registry.deliver([&] { ran = true; });
    EXPECT_FALSE(ran);
}

TEST_F(RegistryTest, FaultInAHandlerIsContained) {
    registry.deliver([&] { note("first").control("NoSuchControl"); });
    EXPECT_EQ(registry.caughtFaults(), 1);
    EXPECT_TRUE(registry.isLoaded("first"));
    bool ran = false;
    registry.deliver([&] { ran = true; });
    EXPECT_TRUE(ran);
}

const ui::TimerDesign tickerTimers[] = {{.name = "Timer1", .intervalMs = 100, .enabled = true}};

TEST_F(RegistryTest, TimerOfAnUnloadedScreenNeverFires) {
    int ticks = 0;
    registry.add("ticker", [&](Registry& r) {
        auto s = std::make_unique<ui::Screen>(r.platform(), "ticker", ui::ScreenDesign{},
                                              std::span<const ui::ControlDesign>{}, tickerTimers);
        s->timer("Timer1").onTimer = [&, &reg = r] {
            ++ticks;
            reg.unload("ticker");  // a tick that unloads its own screen
        };
        return s;
    });
    registry.show("ticker");
    platform.advance(250);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(registry.isLoaded("ticker"));
    platform.advance(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(platform.timers.empty());
}

TEST_F(RegistryTest, UnknownScreenIsAnError) {
    EXPECT_THROW(registry.screen("nowhere"), std::out_of_range);
}

}  // namespace
