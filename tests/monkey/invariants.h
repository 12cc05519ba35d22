#pragma once
#include <string>
#include <vector>

#include "app/activity.h"

class Registry;

// The title, the introduction and the menus: one of them on view at a time.
inline constexpr const char* shellScreens[] = {"Titlefrm", "intro0", "menu1", "menu2",
                                               "menu3",    "menu4",  "menu5"};

// The button that ends the program: its screen and caption.
struct ExitButton {
    const char* screen;
    const char* caption;
};
inline constexpr ExitButton programExit = {"Titlefrm", "Exit"};

// What an event did that the invariants judge it by.
struct EventOutcome {
    bool exitClicked = false;      // the title screen's "Exit" ran
    bool timerOfUnloaded = false;  // a timer ran its handler for a screen that is gone
    // The screen the window system asked to close, if any, and whether it has window buttons.
    std::string closed;
    bool closedHasWindowButtons = false;
};

// The screens of these tables and the Jotter that this build has, none of which may stay
// out of reach from start-up.
std::vector<std::string> reachableScreens(const Registry& registry);

// The invariant that the program breaks after an event, or empty when all hold.
std::string brokenInvariant(const Registry& registry, const EventOutcome& outcome);
