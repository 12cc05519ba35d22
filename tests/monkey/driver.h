#pragma once
#include <string>

class Registry;

enum class PointerAction { Down, Move, Up };
// The keys the program answers: a presenter's forward, and projector mode on and off.
enum class Key { Next, Projector, LeaveProjector };

// What the monkey drives: the program on some platform, fed input as the window system would.
class Driver {
public:
    virtual ~Driver() = default;

    virtual Registry& registry() = 0;
    // Pointer input on a screen's window, at a point of its client area in twips (it may lie
    // outside, for a drag). `button` is the one pressed or released; a move carries the held
    // ones. A screen that is gone takes nothing.
    virtual void pointer(const std::string& screen, PointerAction action, int button, int x,
                         int y) = 0;
    // The window system's close on a screen's window.
    virtual void close(const std::string& screen) = 0;
    // A key pressed while the screen's window is active.
    virtual void key(const std::string& screen, Key k) = 0;
    // Moves the test clock on, firing the timers that fall due.
    virtual void advance(int ms) = 0;
    // Where the platform's windows disagree with the screens: empty when they agree.
    virtual std::string windowFault() = 0;
    // A fresh platform and registry, the program started as at launch.
    virtual void restart() = 0;
};
