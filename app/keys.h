#pragma once
#include "ui/key.h"

class Registry;
namespace ui {
class Screen;
}

// What a key does, on the screen whose window has it.
using KeyAction = void (*)(Registry& registry, ui::Screen& screen);

// The action bound to a key; null for a key the program does not answer.
const KeyAction* bindingOf(ui::Key key);
