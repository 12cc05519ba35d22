#pragma once
#include <string>

#include "ui/colour.h"
#include "ui/font.h"

namespace ui {

enum class ControlKind {
    Label,
    Button,
    OptionButton,
    CheckBox,
    Frame,
    PictureBox,
    Image,
    Line,
    Circle
};
enum class Alignment { Left, Right, Centre };
// What assistive technology is told a control is. Auto: what its kind and handlers make it.
// Hidden: not read at all. None: read as nothing itself, but the controls it holds are.
enum class Role { Auto, Hidden, Text, Button, Tab, RadioButton, CheckBox, Group, None };

// One row of a screen's design table: what a control is when the screen loads.
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name;
    int index = -1;  // member of a control array when 0 or more
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Font font;
    Colour foreColour = rgb(0, 0, 0);
    Colour backColour = rgb(255, 255, 255);
    bool opaque = true;  // labels: draw the background box or not
    bool border = false;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    int value = 0;          // option button chosen, tick box ticked
    std::string toolTip;    // hover text of a button
    std::string container;  // the frame or picture box that holds it; empty for the screen
    // Line and circle shapes
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int borderWidth = 1;  // pixels
    bool dashed = false;
    Role role = Role::Auto;
    std::string accessibleName;  // what assistive technology reads; the caption when empty
};

constexpr bool isWindowed(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::OptionButton ||
           kind == ControlKind::CheckBox || kind == ControlKind::Frame ||
           kind == ControlKind::PictureBox;
}

}  // namespace ui
