#pragma once
#include <QAccessibleInterface>

namespace ui {
class Control;
}

namespace ui::qt {

class ScreenWindow;

// What a screen reader finds in a screen's window, named as the model names it: an item for each
// control on view that the model exposes, windowless ones included, and last the screen's latest
// announcement, if any, as a notification.
// Makes the window's interface for every screen window Qt asks about.
void installAccessibility();
// One control as the model describes it, or (control null) the announcement.
QAccessibleInterface* makeControlAccessible(ScreenWindow* window, Control* control);
// Tells a screen reader an item's new name.
void tellNameChanged(QAccessibleInterface* item);

}  // namespace ui::qt
