#include "app/start.h"

#include "app/registry.h"
#include "app/screens.h"

void startProgram(Registry& registry) {
    registerScreens(registry);
    registry.deliver([&] { registry.show("Titlefrm"); });
}
