#include "ui/control.h"

#include <algorithm>
#include <cmath>

#include "ui/screen.h"
#include "ui/twips.h"

namespace ui {

Control::Control(Screen& owner, ControlDesign design, Control* container)
    : owner_(owner), d_(std::move(design)), container_(container) {}

bool Control::contains(int x, int y) const {
    return x >= d_.left && x < d_.left + d_.width && y >= d_.top && y < d_.top + d_.height;
}

void Control::setPicture(Picture v) {
    if (picture_ == v) return;
    const TwipRect before = drawnArea();
    picture_ = std::move(v);
    changed(before);
}

void Control::setValue(int v) {
    if (d_.value == v) return;
    const TwipRect before = drawnArea();
    d_.value = v;
    changed(before);
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
    const TwipRect before = drawnArea();
    d_.x1 = x1;
    d_.y1 = y1;
    d_.x2 = x2;
    d_.y2 = y2;
    changed(before);
}

bool Control::takesPointer() const {
    return (d_.kind == ControlKind::Label || d_.kind == ControlKind::Image) && d_.visible &&
           d_.enabled;
}

void Control::click() const {
    if (onClick && d_.enabled) onClick(d_.index);
}

TwipRect Control::drawnArea() const {
    if (!d_.visible || isWindowed(d_.kind)) return {};
    // A pixel of smoothing all round, and half the pen beyond the geometry.
    const int reach = twipsPerPixel * (1 + (d_.kind == ControlKind::Line ||
                                                    d_.kind == ControlKind::Circle
                                                ? (d_.borderWidth + 1) / 2
                                                : 0));
    TwipRect area{d_.left, d_.top, d_.width, d_.height};
    if (d_.kind == ControlKind::Line) {
        const int l = static_cast<int>(std::floor(std::min(d_.x1, d_.x2)));
        const int t = static_cast<int>(std::floor(std::min(d_.y1, d_.y2)));
        area = {l, t, static_cast<int>(std::ceil(std::max(d_.x1, d_.x2))) - l,
                static_cast<int>(std::ceil(std::max(d_.y1, d_.y2))) - t};
    } else if (d_.kind == ControlKind::Image && picture_) {
        area = united(area, {d_.left, d_.top, picture_->widthPx() * twipsPerPixel,
                             picture_->heightPx() * twipsPerPixel});
    }
    return {area.left - reach, area.top - reach, area.width + 2 * reach,
            area.height + 2 * reach};
}

void Control::changed(const TwipRect& before) {
    if (isWindowed(d_.kind)) {
        owner_.changed();
        return;
    }
    owner_.damage(container_, before);
    owner_.damage(container_, drawnArea());
}

}  // namespace ui
