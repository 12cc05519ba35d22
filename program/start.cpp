#include "program/start.h"

#include "app/registry.h"
#include "program/screens.h"

void startProgram(Registry& registry) {
    registerScreens(registry);
    registry.deliver([&] { registry.show("Titlefrm"); });
}
