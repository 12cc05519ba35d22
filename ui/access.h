#pragma once
#include <string>

#include "ui/control_design.h"

namespace ui {

class Control;
class Screen;

// What a screen reader is told of a control, for each backend to hand to its platform.
struct Access {
    Role role = Role::Hidden;  // never Auto; Hidden: not read at all
    // Words drawn in signs and bars (a surd): read by the name alone, as a picture is.
    bool picture = false;
    std::string name;  // what it is read as, where its shown text does not say it
    std::string text;  // the words it shows
    bool checkable = false;
    bool checked = false;
    bool disabled = false;
    bool focusable = false;
    bool ring = false;  // the focus ring is drawn on it
    bool operator==(const Access&) const = default;
};

Access accessOf(const Screen& screen, const Control& control);

}  // namespace ui
