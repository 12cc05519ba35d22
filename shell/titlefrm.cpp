#include "shell/titlefrm.h"

#include <array>
#include <cstdio>

#include "app/registry.h"
#include "app/setupform.h"
#include "ui/picture_files.h"

namespace {

constexpr ui::Colour grey = ui::rgb(192, 192, 192);
constexpr ui::Colour titleBlue = ui::rgb(0, 0, 255);

using ui::Alignment;
using ui::ControlKind;

// clang-format off
const ui::ScreenDesign design = {
    .caption = " ",
    .title = "Quillon Volume IV",
    .clientWidth = 5460,
    .clientHeight = 6570,
    .backColour = grey,
    .foreColour = titleBlue,
    .windowButtons = false,
};

const ui::ControlDesign titleControls[] = {
    {.kind = ControlKind::Frame, .name = "Frame1", .left = 0, .top = -90, .width = 5480,
     .height = 6660, .backColour = grey},
    {.kind = ControlKind::Label, .name = "Label4", .caption = "Quillon Volume IV", .left = 60,
     .top = 210, .width = 5355, .height = 1455, .font = {"Times New Roman", 26.25, true},
     .foreColour = titleBlue, .opaque = false, .alignment = Alignment::Centre,
     .container = "Frame1"},
    {.kind = ControlKind::PictureBox, .name = "Picture1", .left = 300, .top = 1560, .width = 4800,
     .height = 3600, .backColour = grey, .container = "Frame1"},
    {.kind = ControlKind::Label, .name = "Label3", .caption = "Activities by the Velmora team",
     .left = 480, .top = 5250, .width = 4455, .height = 855,
     .font = {"Times New Roman", 15.75, false}, .foreColour = titleBlue, .opaque = false,
     .alignment = Alignment::Centre, .container = "Frame1"},
    {.kind = ControlKind::Button, .name = "Command1", .caption = "OK", .left = 1320, .top = 6000,
     .width = 1335, .height = 375, .backColour = grey, .container = "Frame1"},
    {.kind = ControlKind::Button, .name = "Command2", .caption = "Exit", .left = 2760,
     .top = 6000, .width = 1335, .height = 375, .backColour = grey, .container = "Frame1"},
    {.kind = ControlKind::Label, .name = "Label2", .caption = "\u00a9 2026 Velmora", .left = 0,
     .top = 6420, .width = 5415, .height = 255, .font = {"Arial", 8.25, false},
     .foreColour = titleBlue, .opaque = false, .alignment = Alignment::Centre,
     .container = "Frame1"},
};
// clang-format on

// Never started: the opening's first frame stays still.
const ui::TimerDesign titleTimers[] = {{.name = "Timer1", .intervalMs = 75, .enabled = false}};

}  // namespace

namespace shell {

std::string openingFrameFile(int frame) {
    std::array<char, 32> name{};
    std::snprintf(name.data(), name.size(), "opening\\start%03d.jpg", frame);
    return name.data();
}

Titlefrm::Titlefrm(Registry& registry)
    : ui::Screen(registry.platform(), "Titlefrm", design, titleControls, titleTimers),
      registry_(registry), frame_(control("Frame1")), picture_(control("Picture1")),
      ok_(control("Command1")) {
    ok_.onClick = [this](int) { Command1_Click(); };
    control("Command2").onClick = [this](int) { Command2_Click(); };
}

void Titlefrm::Form_Load() {
    const ui::Size display = platform().displaySize();
    setTop(display.height / 2 - height() / 2);
    setLeft(display.width / 2 - width() / 2);
    if (auto opening = ui::loadPicture(platform(), openingFrameFile(0))) {
        picture_.setPicture(*opening);
        return;
    }
    // Without its picture the screen stands as a standard screen with the frame in front.
    setupform(*this);
    bringToFront(frame_);
    if (auto opening = ui::loadPicture(platform(), openingFrameFile(0)))
        picture_.setPicture(*opening);
}

void Titlefrm::Command1_Click() {
    registry_.show("intro0");
    registry_.unload("Titlefrm");
}

void Titlefrm::Command2_Click() { registry_.end(); }

void Titlefrm::offerCancel() { ok_.setCaption("Cancel"); }

}  // namespace shell
