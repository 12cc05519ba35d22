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

}  // namespace ui
