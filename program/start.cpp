#include "program/start.h"

#include "app/activity.h"
#include "app/registry.h"
#include "program/screens.h"

void startProgram(Registry& registry, std::string_view lesson) {
    registerScreens(registry);
    for (const ActivityEntry& a : activityTable)
        if (a.screen == lesson) {
            // As its menu's topic opens it: the menu first, the activity over it.
            registry.deliver([&] {
                registry.show(a.menu);
                registry.show(a.screen);
            });
            return;
        }
    registry.deliver([&] { registry.show("Titlefrm"); });
}
