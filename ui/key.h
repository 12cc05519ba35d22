#pragma once

namespace ui {

// The keys the program answers, as a backend reports them: pressed alone, without modifiers
// (BackTab is Shift+Tab).
enum class Key {
    PageDown,
    Right,
    Left,
    Up,
    Down,
    F11,
    Escape,
    Tab,
    BackTab,
    Enter,
    Space,
    B,
    Period,
    Other
};

}  // namespace ui
