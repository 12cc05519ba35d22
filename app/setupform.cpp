#include "app/setupform.h"

#include <cmath>

#include "app/colours.h"
#include "app/toolbar.h"
#include "ui/screen.h"

void setupform(ui::Screen& screen) {
    ui::Platform& platform = screen.platform();
    screen.setBackColour(standardBlue);
    // From here each step stands alone: one the screen lacks the control for is skipped.
    if (ui::Control* picture = screen.find("Picture1")) picture->setBackColour(standardBlue);
    screen.setWidth(12000);
    screen.setHeight(9000);
    const ui::Size display = platform.displaySize();
    const double w = display.width;
    const double h = display.height;
    screen.setTop(static_cast<int>(std::lround(h / 2 - screen.height() / 2.0)));
    const double left = w / 2 - screen.width() / 2.0 - (w > 12000 ? 840 : 0);
    screen.setLeft(static_cast<int>(std::lround(left)));
    applyActivityToolbar(screen);
}
