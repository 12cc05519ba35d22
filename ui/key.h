#pragma once

namespace ui {

// The keys the program answers, as a backend reports them: pressed alone, without modifiers.
enum class Key { PageDown, Right, F11, Escape, Other };

}  // namespace ui
