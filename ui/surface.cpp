#include "ui/surface.h"

namespace ui {

void Surface::moveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void Surface::lineTo(int x, int y) {
    if (listener_) listener_->drawLine(x_, y_, x, y, penColour_, penWidth_);
    moveTo(x, y);
}

void Surface::clear(Colour background) {
    if (listener_) listener_->clearSurface(background);
}

}  // namespace ui
