#pragma once

namespace ui {
class Control;
class Screen;
}  // namespace ui

// Pictures and places of the activity buttons a screen has (exit, next, solution, check,
// jotter), found by name in any letter case. Each assignment stands alone.
void applyActivityToolbar(ui::Screen& screen);

// The exit picture button of the introduction and the menus, in the toolbar's exit place.
void placeExitButton(ui::Control& button);
