#pragma once

namespace ui {
class Screen;
}

// The standard set-up every screen but the title and the Jotter applies as it loads: size,
// colour, place near the middle of the display, and the activity toolbar.
void setupform(ui::Screen& screen);
