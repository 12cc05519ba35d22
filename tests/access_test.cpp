// What a screen reader is told of each kind of control, in each state.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/kit.h"
#include "ui/access.h"
#include "ui/screen.h"

namespace {

using kit::PrintTo;
using ui::ControlKind;
using ui::Role;

// An access as words: role, then what is set.
std::string said(const ui::Access& a) {
    const char* roles[] = {"auto",  "hidden",   "text",  "button", "tab",
                           "radio", "checkbox", "group", "none"};
    std::string out = a.picture ? "picture" : roles[static_cast<int>(a.role)];
    if (!a.name.empty()) out += " name '" + a.name + "'";
    if (!a.text.empty()) out += " text '" + a.text + "'";
    if (a.checkable) out += a.checked ? " checked" : " unchecked";
    if (a.disabled) out += " disabled";
    if (a.focusable) out += " focusable";
    if (a.ring) out += " ring";
    return out;
}

struct Row {
    const char* name;
    std::vector<ui::ControlDesign> controls;  // the last is the one read
    const char* want;
    bool clickable = false;  // given a click handler
    bool pictured = false;   // given a picture
    bool tabbedTo = false;   // the focus moved onto it by a key
};

const ui::ControlDesign frame{.kind = ControlKind::Frame, .name = "F", .caption = "Answer"};
const ui::ControlDesign button{.kind = ControlKind::Button, .name = "B", .caption = "OK"};

ui::ControlDesign with(ui::ControlDesign d, auto change) {
    change(d);
    return d;
}

const Row rows[] = {
    {"LabelReadAsItShows", {{.name = "L", .caption = "Hello"}}, "text text 'Hello'"},
    {"EmptyLabelIsHidden", {{.name = "L"}}, "hidden"},
    {"LabelDrawnInSignsIsAPictureByName",
     {{.name = "L", .caption = "5/v13", .accessibleName = "5 over root 13"}},
     "picture name '5 over root 13' text '5/v13'"},
    {"LabelThatTakesClicksIsAButton",
     {{.name = "L", .caption = "Menu 1"}},
     "button text 'Menu 1' focusable",
     true},
    {"PictureButtonIsReadByItsCaption",
     {with(button, [](auto& d) { d.caption = "Exit"; })},
     "button name 'Exit' focusable",
     false,
     true},
    {"NamedButtonIsReadByItsName",
     {with(button, [](auto& d) { d.accessibleName = "Go on"; })},
     "button name 'Go on' text 'OK' focusable"},
    {"ChosenOption",
     {{.kind = ControlKind::OptionButton, .name = "O", .caption = "Cube", .value = 1}},
     "radio text 'Cube' checked focusable"},
    {"TickBoxNotTicked",
     {{.kind = ControlKind::CheckBox, .name = "C", .caption = "Grid"}},
     "checkbox text 'Grid' unchecked focusable"},
    {"DisabledButton",
     {with(button, [](auto& d) { d.enabled = false; })},
     "button text 'OK' disabled"},
    {"ButtonInAHiddenFrameTakesNoFocus",
     {with(frame, [](auto& d) { d.visible = false; }),
      with(button, [](auto& d) { d.container = "F"; })},
     "button text 'OK'"},
    {"FrameIsAGroupByItsCaption", {frame}, "group name 'Answer'"},
    {"FrameWithoutANameOnlyHoldsOthers", {with(frame, [](auto& d) { d.caption = ""; })}, "none"},
    {"FrameNamedForAScreenReaderIsAGroup",
     {with(frame, [](auto& d) { d.caption = "", d.accessibleName = "Level"; })},
     "group name 'Level'"},
    {"EdgeAsAButton",
     {{.kind = ControlKind::Line,
       .name = "E",
       .role = Role::Button,
       .accessibleName = "edge 1 to 2, chosen"}},
     "button name 'edge 1 to 2, chosen' focusable"},
    {"FocusedByAKeyHasItsRing", {button}, "button text 'OK' focusable ring", false, false, true},
};

class Access : public ::testing::TestWithParam<Row> {};

TEST_P(Access, AsAScreenReaderIsTold) {
    const Row& row = GetParam();
    FakePlatform platform;
    ui::Screen screen{platform, "read", {.clientWidth = 3000, .clientHeight = 3000}, row.controls};
    ui::Control& c = *screen.controls().back();
    if (row.clickable) c.onClick = [](int) {};
    if (row.pictured) c.setPicture(std::make_shared<const ui::PictureData>(10, 10));
    if (row.tabbedTo) screen.key(ui::Key::Tab);
    EXPECT_EQ(said(ui::accessOf(screen, c)), row.want);
}

INSTANTIATE_TEST_SUITE_P(Rows, Access, ::testing::ValuesIn(rows), kit::byName);

}  // namespace
