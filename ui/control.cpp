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
    leaving();
    picture_ = std::move(v);
    changed();
}

void Control::setValue(int v) {
    if (d_.value == v) return;
    leaving();
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
    leaving();
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

void Control::activate() {
    if (!d_.enabled) return;
    if (d_.kind == ControlKind::OptionButton)
        setValue(1);
    else if (d_.kind == ControlKind::CheckBox)
        setValue(d_.value ? 0 : 1);
    else
        click();
}

namespace {

// A pixel of smoothing all round, and for lines and circles half the pen beyond the geometry.
int reachOf(const ControlDesign& d) {
    const bool penned = d.kind == ControlKind::Line || d.kind == ControlKind::Circle;
    return twipsPerPixel * (1 + (penned ? (d.borderWidth + 1) / 2 : 0));
}

TwipRect boxAround(double x1, double y1, double x2, double y2, int reach) {
    const int l = static_cast<int>(std::floor(std::min(x1, x2))) - reach;
    const int t = static_cast<int>(std::floor(std::min(y1, y2))) - reach;
    return {l, t, static_cast<int>(std::ceil(std::max(x1, x2))) + reach - l,
            static_cast<int>(std::ceil(std::max(y1, y2))) + reach - t};
}

}  // namespace

TwipRect Control::drawnArea() const {
    if (!d_.visible || isWindowed(d_.kind)) return {};
    const int reach = reachOf(d_);
    if (d_.kind == ControlKind::Line) return boxAround(d_.x1, d_.y1, d_.x2, d_.y2, reach);
    TwipRect area{d_.left, d_.top, d_.width, d_.height};
    if (d_.kind == ControlKind::Image && picture_)
        area = united(area, {d_.left, d_.top, picture_->widthPx() * twipsPerPixel,
                             picture_->heightPx() * twipsPerPixel});
    return {area.left - reach, area.top - reach, area.width + 2 * reach, area.height + 2 * reach};
}

Role Control::role() const {
    if (d_.role != Role::Auto) return d_.role;
    switch (d_.kind) {
        case ControlKind::Button: return Role::Button;
        case ControlKind::OptionButton: return Role::RadioButton;
        case ControlKind::CheckBox: return Role::CheckBox;
        // A group is read by its name: one without only lays out what it holds.
        case ControlKind::Frame:
        case ControlKind::PictureBox: return accessibleName().empty() ? Role::None : Role::Group;
        case ControlKind::Label:
            return onClick ? Role::Button : d_.caption.empty() ? Role::Hidden : Role::Text;
        case ControlKind::Image:
        case ControlKind::Line:
        case ControlKind::Circle: return onClick ? Role::Button : Role::Hidden;
    }
    return Role::Hidden;
}

std::string Control::accessibleName() const {
    return d_.accessibleName.empty() ? d_.caption : d_.accessibleName;
}

bool Control::acts() const {
    switch (role()) {
        case Role::Button:
        case Role::Tab:
        case Role::RadioButton:
        case Role::CheckBox: return true;
        case Role::Auto:
        case Role::Hidden:
        case Role::Text:
        case Role::Group:
        case Role::None: return false;
    }
    return false;
}

void Control::leaving() {
    if (!isWindowed(d_.kind)) reportDrawn();
}

void Control::described() {
    ++revision_;
    owner_.described();
}

void Control::changed() {
    ++revision_;
    if (isWindowed(d_.kind))
        owner_.changed();
    else
        reportDrawn();
}

void Control::reportDrawn() {
    if (d_.kind != ControlKind::Line || !d_.visible) {
        owner_.damage(container_, drawnArea());
        return;
    }
    // A long slanting line: a chain of small boxes along it, not one big box around it.
    constexpr double piece = 32 * twipsPerPixel;
    const double dx = d_.x2 - d_.x1;
    const double dy = d_.y2 - d_.y1;
    const int pieces =
        std::max(1, static_cast<int>(std::ceil(std::max(std::abs(dx), std::abs(dy)) / piece)));
    const int reach = reachOf(d_);
    for (int i = 0; i < pieces; ++i)
        owner_.damage(container_, boxAround(d_.x1 + dx * i / pieces, d_.y1 + dy * i / pieces,
                                            d_.x1 + dx * (i + 1) / pieces,
                                            d_.y1 + dy * (i + 1) / pieces, reach));
}

}  // namespace ui
