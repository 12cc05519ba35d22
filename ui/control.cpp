#include "ui/control.h"

#include "ui/screen.h"

namespace ui {

Control::Control(Screen& owner, ControlDesign design, Control* container)
    : owner_(owner), d_(std::move(design)), container_(container) {}

bool Control::contains(int x, int y) const {
    return x >= d_.left && x < d_.left + d_.width && y >= d_.top && y < d_.top + d_.height;
}

void Control::setPicture(Picture v) {
    if (picture_ == v) return;
    picture_ = std::move(v);
    changed();
}

void Control::setValue(int v) {
    if (d_.value == v) return;
    d_.value = v;
    changed();
    if (d_.kind == ControlKind::OptionButton) {
        if (v == 0) return;
        for (const auto& other : owner_.controls())
            if (other.get() != this && other->kind() == ControlKind::OptionButton &&
                other->container() == container_)
                other->assign(other->d_.value, 0);
    }
    if (d_.kind == ControlKind::OptionButton || d_.kind == ControlKind::CheckBox) click();
}

void Control::setEnds(double x1, double y1, double x2, double y2) {
    if (d_.x1 == x1 && d_.y1 == y1 && d_.x2 == x2 && d_.y2 == y2) return;
    d_.x1 = x1;
    d_.y1 = y1;
    d_.x2 = x2;
    d_.y2 = y2;
    changed();
}

bool Control::takesPointer() const {
    return (d_.kind == ControlKind::Label || d_.kind == ControlKind::Image) && d_.visible &&
           d_.enabled;
}

void Control::click() const {
    if (onClick && d_.enabled) onClick(d_.index);
}

void Control::changed() { owner_.changed(); }

}  // namespace ui
