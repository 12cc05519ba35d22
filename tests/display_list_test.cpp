#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "ui/display_list.h"
#include "ui/screen.h"

namespace {

using ui::ControlKind;
using ui::rgb;

// Every letter half an em wide: widths a reader works out by hand.
class HalfEm : public ui::TextMeasure {
public:
    double width(const ui::FontFace& f, std::string_view text) override {
        return static_cast<double>(text.size()) * f.pixels / 2;
    }
};

std::string hex(ui::Colour c) {
    char out[8];
    std::snprintf(out, sizeof out, "%02x%02x%02x", ui::red(c), ui::green(c), ui::blue(c));
    return out;
}

std::string num(double v) {
    char out[24];
    std::snprintf(out, sizeof out, "%g", v);
    return out;
}

std::string rect(const ui::PixelRect& r) {
    return num(r.left) + "," + num(r.top) + " " + num(r.width) + "x" + num(r.height);
}

// A primitive as a line of words, for tables a reader can check against the design.
std::string said(const ui::Primitive& p) {
    using K = ui::Primitive::Kind;
    switch (p.kind) {
        case K::Fill: return "fill " + rect(p.rect) + " " + hex(p.colour);
        case K::Outline:
            return "outline " + rect(p.rect) + " " + num(p.width) + " " + hex(p.colour);
        case K::Text:
            return "text '" + p.text + "' " + num(p.x1) + "," + num(p.y1) + " " +
                   std::to_string(p.face.pixels) + "px " + hex(p.colour);
        case K::Line:
            return "line " + num(p.x1) + "," + num(p.y1) + " " + num(p.x2) + "," + num(p.y2) + " " +
                   num(p.width) + (p.cap == ui::LineCap::Flat ? " flat" : " round") +
                   (p.dash ? " dash " + num(p.dash) : "");
        case K::Ellipse:
            return "ellipse " + rect(p.rect) + (p.filled ? " " + hex(p.fill) : "") + " edge " +
                   num(p.width);
        case K::Picture: return "picture " + rect(p.rect);
        case K::Strokes: return "strokes " + rect(p.rect) + " x" + num(p.scale);
    }
    return "";
}

struct Case {
    const char* name;
    std::vector<ui::ControlDesign> controls;
    std::vector<std::string> want;  // after the window's ground
    double ratio = 1;
};

// Positions in twips are 15 to a pixel; Tahoma 8.25 pt is 11 px, its baseline 11 px down.
const ui::ControlDesign label{
    .name = "L", .caption = "Hi", .left = 150, .top = 300, .width = 1500, .height = 300};

ui::ControlDesign with(ui::ControlDesign d, auto change) {
    change(d);
    return d;
}

const Case cases[] = {
    {"LabelLeft", {label}, {"fill 10,20 100x20 ffffff", "text 'Hi' 10,31 11px 000000"}},
    {"LabelCentred",
     {with(label, [](auto& d) { d.alignment = ui::Alignment::Centre; })},
     {"fill 10,20 100x20 ffffff", "text 'Hi' 55,31 11px 000000"}},
    {"LabelRight",
     {with(label, [](auto& d) { d.alignment = ui::Alignment::Right; })},
     {"fill 10,20 100x20 ffffff", "text 'Hi' 99,31 11px 000000"}},
    {"LabelWrapsAtSpacesAndLineBreaksWordByWord",
     {with(label, [](auto& d) { d.caption = "aa bb cc\ndd", d.width = 450, d.opaque = false; })},
     {"text 'aa' 10,31 11px 000000", "text 'bb' 27,31 11px 000000", "text 'cc' 10,42 11px 000000",
      "text 'dd' 10,53 11px 000000"}},
    {"LabelBorderedTextInsideIt",
     {with(label, [](auto& d) { d.border = true; })},
     {"fill 10,20 100x20 ffffff", "outline 10,20 100x20 1 000000", "text 'Hi' 12,32 11px 000000"}},
    {"LabelDisabledGreyOverWhiteShadow",
     {with(label, [](auto& d) { d.enabled = false; })},
     {"fill 10,20 100x20 ffffff", "text 'Hi' 11,32 11px ffffff", "text 'Hi' 10,31 11px 808080"}},
    {"HiddenDrawsNothing", {with(label, [](auto& d) { d.visible = false; })}, {}},
    {"Button",
     {{.kind = ControlKind::Button,
       .name = "B",
       .caption = "OK",
       .width = 1500,
       .height = 450,
       .backColour = rgb(192, 192, 192)}},
     {"fill 0,0 100x30 c0c0c0", "text 'OK' 45,18 11px 000000", "fill 0,0 100x1 ffffff",
      "fill 0,0 1x30 ffffff", "fill 0,29 100x1 404040", "fill 99,0 1x30 404040"}},
    {"OptionChosen",
     {{.kind = ControlKind::OptionButton,
       .name = "O",
       .caption = "Cube",
       .width = 1500,
       .height = 300,
       .value = 1}},
     {"fill 0,0 100x20 ffffff", "ellipse 1,4 13x13 ffffff edge 1", "ellipse 5,8 5x5 000000 edge 0",
      "text 'Cube' 19,13 11px 000000"}},
    {"TickBoxTickedWraps",
     {{.kind = ControlKind::CheckBox,
       .name = "T",
       .caption = "aa bb",
       .width = 600,
       .height = 450,
       .value = 1}},
     {"fill 0,0 40x30 ffffff", "fill 1,9 13x13 ffffff", "outline 1,9 13x13 1 808080",
      "line 4,15.5 6.5,18 2 flat", "line 6.5,18 11,13 2 flat", "text 'aa' 19,13 11px 000000",
      "text 'bb' 19,24 11px 000000"}},
    {"FrameCaptionBreaksBorderAndHoldsItsControls",
     {{.kind = ControlKind::Frame,
       .name = "F",
       .caption = "Go",
       .left = 150,
       .top = 150,
       .width = 1500,
       .height = 1500,
       .foreColour = rgb(0, 0, 255)},
      with(label, [](auto& d) { d.container = "F", d.left = 0, d.top = 1500; })},
     {"fill 10,10 100x100 ffffff", "outline 10,16 100x94 1 0000ff", "fill 18,10 15x11 ffffff",
      "text 'Go' 20,19 11px 0000ff", "fill 10,110 100x20 ffffff", "text 'Hi' 10,121 11px 000000"}},
    {"LevelOddWidthOnPixelCentresFlatEnds",
     {{.kind = ControlKind::Line, .name = "E", .x1 = 150, .y1 = 300, .x2 = 600, .y2 = 300}},
     {"line 10,20.5 41,20.5 1 flat"}},
    {"UprightEvenWidthOnPixelEdgeDashed",
     {{.kind = ControlKind::Line,
       .name = "E",
       .x1 = 150,
       .y1 = 600,
       .x2 = 150,
       .y2 = 300,
       .borderWidth = 2,
       .dashed = true}},
     {"line 10,41 10,19 2 flat dash 8"}},
    {"SlantedSmoothRoundEnds",
     {{.kind = ControlKind::Line, .name = "E", .x1 = 0, .y1 = 0, .x2 = 150, .y2 = 300}},
     {"line 0,0 10,20 1 round"}},
    {"LevelAtTwiceTheDevicePixels",
     {{.kind = ControlKind::Line, .name = "E", .x1 = 150, .y1 = 300, .x2 = 600, .y2 = 300}},
     {"line 9.5,20 40.5,20 1 flat"},
     2},
    {"CircleLargestInItsBox",
     {{.kind = ControlKind::Circle,
       .name = "C",
       .left = 0,
       .top = 0,
       .width = 600,
       .height = 300,
       .foreColour = rgb(255, 0, 0),
       .backColour = rgb(0, 255, 0),
       .borderWidth = 2}},
     {"ellipse 10,0 20x20 00ff00 edge 2"}},
};

class DisplayListLook : public ::testing::TestWithParam<Case> {};

TEST_P(DisplayListLook, PrimitivesAsWorkedOutByHand) {
    FakePlatform platform;
    const Case& c = GetParam();
    ui::Screen screen{platform, "look", {.clientWidth = 3000, .clientHeight = 3000}, c.controls};
    HalfEm measure;
    const ui::DisplayList list = ui::displayList(screen, {0, 0, 200, 200}, c.ratio, measure);
    ASSERT_FALSE(list.items.empty());
    EXPECT_EQ(said(list.items.front()), "fill 0,0 200x200 c0c0c0");
    std::vector<std::string> got;
    for (std::size_t i = 1; i < list.items.size(); ++i) got.push_back(said(list.items[i]));
    EXPECT_EQ(got, c.want);
}

// The window as a whole: the view's scale, the focus ring over everything, the blank alone.
TEST(DisplayListWindow, ProjectedRingedAndBlanked) {
    FakePlatform platform;
    const ui::ControlDesign controls[] = {
        label,
        {.kind = ControlKind::Button, .name = "B", .caption = "OK", .width = 1500, .height = 450}};
    ui::Screen screen{platform, "look", {.clientWidth = 3000, .clientHeight = 3000}, controls};
    screen.control("B").onClick = [](int) {};
    HalfEm measure;
    auto paint = [&] {
        std::vector<std::string> got;
        for (const auto& p : ui::displayList(screen, {0, 0, 400, 400}, 1, measure).items)
            got.push_back(said(p));
        return got;
    };
    screen.setProjected(true, {6000, 6000});
    const std::vector<std::string> projected = paint();
    ASSERT_GE(projected.size(), 3U);
    EXPECT_EQ(projected[1], "fill 20,40 200x40 ffffff");
    EXPECT_EQ(projected[2], "text 'Hi' 20,62 22px 000000");

    screen.setProjected(false, {6000, 6000});
    screen.key(ui::Key::Tab);
    const std::vector<std::string> ringed = paint();
    ASSERT_GE(ringed.size(), 2U);
    EXPECT_EQ(ringed[ringed.size() - 2], "outline 0,0 100x30 4 ffffff");
    EXPECT_EQ(ringed.back(), "outline 2,2 96x26 2 000000");

    screen.setBlanked(true);
    EXPECT_EQ(paint(), std::vector<std::string>{"fill 0,0 400x400 000000"});
}

// A window has whole pixels: the portrait Jotter's 3880 twips are 258 of them on every backend.
TEST(DisplayListWindow, WindowAreaDropsAPartPixelOrFillsTheDisplay) {
    FakePlatform platform;
    ui::Screen screen{platform, "board", {.clientWidth = 3880, .clientHeight = 3000}, {}};
    EXPECT_EQ(rect(ui::windowArea(screen, {6000, 6000})), "0,0 258x200");
    screen.setProjected(true, {6000, 6000});
    EXPECT_EQ(rect(ui::windowArea(screen, {6000, 6000})), "0,0 400x400");
}

// A drawn control that moves asks for the pixels it left and took, in the window's pixels.
TEST(DisplayListWindow, RepaintCoversWhereAMovedLabelWasAndIs) {
    FakePlatform platform;
    const ui::ControlDesign controls[] = {label};
    ui::Screen screen{platform, "look", {.clientWidth = 3000, .clientHeight = 3000}, controls};
    screen.markDrawn();
    screen.control("L").setLeft(1500);
    const ui::Repaint r = ui::repaintOf(screen);
    ASSERT_FALSE(r.whole);
    ASSERT_EQ(r.areas.size(), 2U);
    // One pixel of smoothing round the box, and a pixel more.
    EXPECT_EQ(rect(r.areas[0]), "8,18 104x24");
    EXPECT_EQ(rect(r.areas[1]), "98,18 104x24");
}

INSTANTIATE_TEST_SUITE_P(EachKindAndState, DisplayListLook, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
