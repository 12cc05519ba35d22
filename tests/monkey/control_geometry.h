#pragma once
#include "ui/control.h"

// Where a control is on its screen, whatever frames hold it.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The top left of a control in its screen's client area.
inline ScreenPoint screenOrigin(const ui::Control& c) {
    ScreenPoint at{c.left(), c.top()};
    for (const ui::Control* holder = c.container(); holder; holder = holder->container()) {
        at.x += holder->left();
        at.y += holder->top();
    }
    return at;
}

// Visible itself and in every frame that holds it.
inline bool onView(const ui::Control& c) {
    for (const ui::Control* at = &c; at; at = at->container())
        if (!at->visible()) return false;
    return true;
}
