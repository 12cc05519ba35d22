#include "jotter/jotter.h"

#include <vector>

#include "app/registry.h"

namespace {

using ui::ControlKind;

constexpr int swatchCount = 16;
constexpr ui::Font buttonFont = {"Tahoma", 12, false};

const ui::ScreenDesign design = {
    .caption = "Jotter",
    .clientWidth = 9915,
    .clientHeight = 3660,
    .backColour = boardBlue,
};

// clang-format off
ui::ControlDesign button(const char* name, const char* caption, const char* toolTip, int left,
                         int top, int width, ui::Colour colour, const char* frame) {
    return {.kind = ControlKind::Button, .name = name, .caption = caption, .left = left,
            .top = top, .width = width, .height = 480, .font = buttonFont, .backColour = colour,
            .toolTip = toolTip, .container = frame};
}

ui::ControlDesign swatch(const char* name, int index, int left, int top, const char* frame) {
    return {.kind = ControlKind::Label, .name = name, .index = index, .left = left, .top = top,
            .width = 240, .height = 240, .backColour = basicColour(index), .container = frame};
}

std::vector<ui::ControlDesign> jotterControls() {
    constexpr ui::Colour exitColour = ui::rgb(255, 224, 192);
    constexpr ui::Colour writeColour = ui::rgb(255, 255, 192);
    constexpr ui::Colour eraseColour = ui::rgb(192, 192, 0);
    constexpr ui::Colour clearColour = ui::rgb(255, 192, 128);
    constexpr ui::Colour flipColour = ui::rgb(128, 128, 255);
    std::vector<ui::ControlDesign> rows = {
        {.kind = ControlKind::Frame, .name = "Frame_landscape", .left = 0, .top = 2910,
         .width = 9920, .height = 750, .backColour = boardBlue},
        button("Command1", "Exit", "Exit", 60, 180, 930, exitColour, "Frame_landscape"),
        button("Command2", "Write", "Yellow", 1120, 180, 930, writeColour, "Frame_landscape"),
        button("Command5", "Erase", "Erase", 2180, 180, 930, eraseColour, "Frame_landscape"),
        button("Command6", "Clear", "New", 3240, 180, 930, clearColour, "Frame_landscape"),
        button("Command3", "Flip", "New", 4305, 180, 585, flipColour, "Frame_landscape"),
    };
    for (int i = 0; i < swatchCount; ++i)
        rows.push_back(swatch("Label1", i, 5010 + 305 * i, 285, "Frame_landscape"));
    rows.push_back({.kind = ControlKind::Frame, .name = "Frame_portrait", .top = 0,
                    .width = 1035, .height = 5250, .backColour = boardBlue, .visible = false});
    rows.push_back(button("Command9", "Exit", "Exit", 60, 180, 930, exitColour, "Frame_portrait"));
    rows.push_back(
        button("Command10", "Write", "Yellow", 60, 705, 930, writeColour, "Frame_portrait"));
    rows.push_back(
        button("Command8", "Erase", "Erase", 60, 1230, 930, eraseColour, "Frame_portrait"));
    rows.push_back(
        button("Command7", "Clear", "New", 60, 1755, 930, clearColour, "Frame_portrait"));
    rows.push_back(button("Command4", "Flip", "New", 60, 2280, 930, flipColour, "Frame_portrait"));
    for (int i = 0; i < swatchCount; ++i)
        rows.push_back(
            swatch("Label11", i, i < 8 ? 180 : 580, 2820 + 290 * (i % 8), "Frame_portrait"));
    return rows;
}
// clang-format on

const std::vector<ui::ControlDesign> padControls = jotterControls();

}  // namespace

namespace jotting {

jotter::jotter(Registry& registry)
    : ui::Screen(registry.platform(), "jotter", design, padControls), registry_(registry),
      landscape_(control("Frame_landscape")), portrait_(control("Frame_portrait")),
      landscapeSwatches_(members("Label1", swatchCount)),
      portraitSwatches_(members("Label11", swatchCount)) {
    onMouseDown = [this](const ui::MouseEvent& e) { Form_MouseDown(e.button, e.shift, e.x, e.y); };
    onMouseMove = [this](const ui::MouseEvent& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); };
    for (int i = 0; i < swatchCount; ++i) {
        landscapeSwatches_[static_cast<std::size_t>(i)]->onClick = [this](int index) {
            Label1_Click(index);
        };
        portraitSwatches_[static_cast<std::size_t>(i)]->onClick = [this](int index) {
            Label11_Click(index);
        };
    }
    // The portrait frame's buttons do what their landscape twins do.
    const std::pair<const char*, void (jotter::*)()> buttons[] = {
        {"Command1", &jotter::Command1_Click}, {"Command9", &jotter::Command1_Click},
        {"Command2", &jotter::Command2_Click}, {"Command10", &jotter::Command2_Click},
        {"Command5", &jotter::Command5_Click}, {"Command8", &jotter::Command5_Click},
        {"Command6", &jotter::Command6_Click}, {"Command7", &jotter::Command6_Click},
        {"Command3", &jotter::Command3_Click}, {"Command4", &jotter::Command4_Click}};
    for (const auto& [name, handler] : buttons)
        control(name).onClick = [this, h = handler](int) { (this->*h)(); };
    onCloseBox = [this] { Command1_Click(); };
}

void jotter::Form_Load() {
    setBackColour(boardBlue);
    surface().setPenWidth(3);
    portrait_.setBackColour(boardBlue);
    landscape_.setBackColour(boardBlue);
    setTopmost(true);
    for (int i = 0; i < swatchCount; ++i) {
        for (ui::Control* swatch : {landscapeSwatches_[static_cast<std::size_t>(i)],
                                    portraitSwatches_[static_cast<std::size_t>(i)]}) {
            swatch->setBackColour(basicColour(i));
            swatch->setAccessibleName(basicColourNames[static_cast<std::size_t>(i)]);
        }
    }
    auto landscapeSwatch = [this](int i) -> ui::Control& {
        return *landscapeSwatches_[static_cast<std::size_t>(i)];
    };
    auto portraitSwatch = [this](int i) -> ui::Control& {
        return *portraitSwatches_[static_cast<std::size_t>(i)];
    };
    const ui::Control& firstLandscape = landscapeSwatch(0);
    for (int i = 1; i < swatchCount; ++i) {
        ui::Control& s = landscapeSwatch(i);
        s.setHeight(firstLandscape.height());
        s.setWidth(firstLandscape.width());
        s.setTop(285);
        s.setLeft(landscapeSwatch(i - 1).left() + 305);
    }
    const ui::Control& firstPortrait = portraitSwatch(0);
    for (int i = 1; i < 8; ++i) {
        ui::Control& s = portraitSwatch(i);
        s.setHeight(firstPortrait.height());
        s.setWidth(firstPortrait.width());
        s.setTop(portraitSwatch(i - 1).top() + firstPortrait.height() + 50);
        s.setLeft(firstPortrait.left());
    }
    for (int i = 8; i < swatchCount; ++i) {
        ui::Control& s = portraitSwatch(i);
        const ui::Control& beside = portraitSwatch(i - 8);
        s.setHeight(firstPortrait.height());
        s.setWidth(firstPortrait.width());
        s.setTop(beside.top());
        s.setLeft(beside.left() + 400);
    }
    surface().setPenColour(basicColour(14));
    penColour = surface().penColour();
}

void jotter::Form_MouseDown(int, int, int x, int y) { surface().moveTo(x, y); }

void jotter::Form_MouseMove(int button, int, int x, int y) {
    if (button == ui::LeftButton) surface().lineTo(x, y);
}

void jotter::chooseSwatch(const ui::Control& swatch) {
    surface().setPenWidth(3);
    surface().setPenColour(swatch.backColour());
    penColour = surface().penColour();
}

void jotter::Label1_Click(int index) {
    chooseSwatch(*landscapeSwatches_.at(static_cast<std::size_t>(index)));
}
void jotter::Label11_Click(int index) {
    chooseSwatch(*portraitSwatches_.at(static_cast<std::size_t>(index)));
}

void jotter::Command1_Click() { registry_.unload("jotter"); }

void jotter::Command2_Click() {
    surface().setPenColour(penColour);
    surface().setPenWidth(3);
}

void jotter::Command5_Click() {
    // Erasing twice must not make the board colour the one Write returns to.
    if (surface().penColour() != boardBlue) penColour = surface().penColour();
    surface().setPenColour(boardBlue);
    surface().setPenWidth(30);
}

void jotter::Command6_Click() {
    surface().clear(backColour());
    setBackColour(boardBlue);
    if (surface().penColour() == boardBlue) surface().setPenColour(basicColour(14));
    surface().setPenWidth(3);
}

void jotter::Command3_Click() {
    surface().clear(backColour());
    setWidth(4000);
    setHeight(12000);
    portrait_.setLeft(width() - portrait_.width() - 80);
    landscape_.setVisible(false);
    portrait_.setVisible(true);
}

void jotter::Command4_Click() {
    surface().clear(backColour());
    setWidth(10000);
    setHeight(4140);
    landscape_.setVisible(true);
    portrait_.setVisible(false);
}

}  // namespace jotting
