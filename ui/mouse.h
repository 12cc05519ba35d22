#pragma once

namespace ui {

// Button and shift masks as the handlers receive them.
enum MouseButton : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState : int { NoShift = 0, ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// Position in twips, relative to the control or client area that receives the event.
struct MouseEvent {
    int button = NoButton;  // the pressed or released button; for a move, every button held
    int shift = NoShift;
    int x = 0;
    int y = 0;
};

enum class PointerAction { Press, Move, Release };

// Raw pointer input as a backend reports it, for a whole screen's window: the position in
// twips of the window's client area, before the screen's view maps it onto the design.
struct PointerEvent {
    PointerAction action = PointerAction::Move;
    int button = NoButton;  // as in MouseEvent
    int shift = NoShift;
    double x = 0;
    double y = 0;
};

}  // namespace ui
