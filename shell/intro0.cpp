#include "shell/intro0.h"

#include <string>

#include "app/colours.h"
#include "app/registry.h"
#include "app/setupform.h"
#include "app/toolbar.h"
#include "shell/menu_tabs.h"
#include "shell/titlefrm.h"
#include "ui/picture_files.h"

namespace {

using ui::Alignment;
using ui::ControlKind;

// clang-format off
const ui::ScreenDesign design = {
    .caption = "Velmora",
    .clientWidth = 11880,
    .clientHeight = 8490,
    .windowButtons = false,
};

const ui::ControlDesign introControls[] = {
    {.kind = ControlKind::Label, .name = "Label1", .caption = "Quillon Volume IV", .left = 150,
     .top = 120, .width = 11580, .height = 900, .font = {"Tahoma", 27.75, true},
     .foreColour = yellow, .backColour = black, .opaque = false, .border = true,
     .alignment = Alignment::Centre},
    {.kind = ControlKind::Label, .name = "Label3", .caption = "version 1.0.000", .left = 7920,
     .top = 1080, .width = 3600, .height = 375, .font = {"Tahoma", 9.75, true},
     .foreColour = yellow, .opaque = false, .alignment = Alignment::Right},
    shell::firstTabDesign(),
    {.kind = ControlKind::Image, .name = "Image2", .left = 180, .top = 5700, .width = 1500,
     .height = 2085},
    {.kind = ControlKind::Label, .name = "Label5", .caption = "www.velmora.example",
     .left = 4200, .top = 7800, .width = 3315, .height = 375, .font = {"Arial", 12, true},
     .foreColour = yellow, .backColour = black, .border = true,
     .alignment = Alignment::Centre},
    {.kind = ControlKind::Label, .name = "Label4", .caption = "\u00a9 2026 Velmora",
     .left = 4080, .top = 8220, .width = 3600, .height = 375, .font = {"Tahoma", 9.75, false},
     .foreColour = yellow, .opaque = false, .alignment = Alignment::Centre},
    {.kind = ControlKind::Button, .name = "Command1", .left = 9570, .top = 7230, .width = 1650,
     .height = 500},
};
// clang-format on

}  // namespace

namespace shell {

intro0::intro0(Registry& registry)
    : ui::Screen(registry.platform(), "intro0", design, introControls), registry_(registry),
      title_(control("Label1")), exitButton_(control("Command1")), logo_(control("Image2")),
      tabs_(*this) {
    tabs_.tab(0).onClick = [this](int i) { Label2_Click(i); };
    tabs_.tab(0).onMouseMove = [this](int i, const ui::MouseEvent&) { Label2_MouseMove(i); };
    title_.onMouseMove = [this](int, const ui::MouseEvent&) { Label1_MouseMove(); };
    control("Label5").onClick = [this](int) { Label5_Click(); };
    exitButton_.onClick = [this](int) { Command1_Click(); };
    onMouseMove = [this](const ui::MouseEvent&) { Form_MouseMove(); };
}

void intro0::Form_Load() {
    setupform(*this);
    setBackColour(boardBlue);
    // A missing picture leaves its place empty; the screen works without it.
    if (auto background = ui::loadPicture(platform(), "Images\\pellam0.jpg"))
        setPicture(*background);
    if (auto logo = ui::loadPicture(platform(), "Images\\logo2.jpg")) logo_.setPicture(*logo);
    placeExitButton(exitButton_);
    tabs_.build();
}

void intro0::Label2_Click(int index) {
    if (index >= linksTab) return;
    registry_.show("menu" + std::to_string(index + 1));
    registry_.unload("intro0");
}

void intro0::Command1_Click() {
    registry_.screenAs<Titlefrm>("Titlefrm").offerCancel();
    registry_.show("Titlefrm");
    registry_.unload("intro0");
}

// Whether a browser came up is not this screen's concern.
void intro0::Label5_Click() { platform().openUrl(std::string(makerWebAddress)); }

void intro0::Form_MouseMove() {
    title_.setOpaque(false);
    tabs_.clearHighlights();
}

void intro0::Label1_MouseMove() { title_.setOpaque(true); }

void intro0::Label2_MouseMove(int index) { tabs_.tab(index).setOpaque(true); }

}  // namespace shell
