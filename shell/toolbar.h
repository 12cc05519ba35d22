#pragma once

namespace ui {
class Screen;
}

// Pictures and places of the activity buttons a screen has (exit, next, solution, check,
// jotter), found by name in any letter case. Each assignment stands alone.
void applyActivityToolbar(ui::Screen& screen);
