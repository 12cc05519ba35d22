#include "ui/surface.h"

namespace ui {

void Surface::moveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void Surface::lineTo(int x, int y) {
    strokes_.push_back({x_, y_, x, y, penColour_, penWidth_});
    if (listener_) listener_->strokeAdded(strokes_.back());
    moveTo(x, y);
}

void Surface::clear(Colour background) {
    strokes_.clear();
    background_ = background;
    if (listener_) listener_->surfaceCleared();
}

}  // namespace ui
