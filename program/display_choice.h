#pragma once
#include <string>

// What the environment says about displays: each is null or empty when not set.
struct DisplayEnvironment {
    const char* qtPlatform = nullptr;  // QT_QPA_PLATFORM
    const char* x11 = nullptr;         // DISPLAY
    const char* wayland = nullptr;     // WAYLAND_DISPLAY
};

// Whether there is any display to open a window on.
bool hasDisplay(const DisplayEnvironment& env);

// The Qt platform to ask for, or empty to leave the choice to Qt. Under XWayland the program
// takes X: natively on Wayland a window can neither place itself nor stay on top.
std::string chosenQtPlatform(const DisplayEnvironment& env);
