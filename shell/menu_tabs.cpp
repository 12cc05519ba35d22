#include "shell/menu_tabs.h"

#include <array>

#include "app/colours.h"
#include "ui/screen.h"

namespace {

constexpr int tabStep = 750;
constexpr int linksTabOffset = 4500;

constexpr std::array<const char*, tabCount> tabCaptions = {
    "Menu 1", "Menu 2", "Menu 3", "Menu 4", "Menu 5", "WWW Links",
};

}  // namespace

ui::ControlDesign firstTabDesign() {
    return {.kind = ui::ControlKind::Label, .name = "Label2", .index = 0, .caption = "Menu 1",
            .left = 9600, .top = 2400, .width = 2235, .height = 495,
            .font = {"Tahoma", 18, true}, .foreColour = yellow, .backColour = black,
            .opaque = false, .border = true, .alignment = ui::Alignment::Centre,
            .visible = false};
}

void buildTabs(ui::Screen& screen) {
    const ui::Control& first = screen.control("Label2", 0);
    for (int i = 1; i < tabCount; ++i) {
        ui::Control& tab = screen.createMember("Label2", i);
        tab.setLeft(first.left());
        tab.setTop(first.top() + (i == linksTab ? linksTabOffset : tabStep * i));
        tab.setCaption(tabCaptions[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < tabCount; ++i) screen.control("Label2", i).setVisible(true);
    screen.control("Label2", linksTab).setEnabled(false);
}

void clearTabHighlights(ui::Screen& screen) {
    for (int i = 0; i < tabCount; ++i) screen.control("Label2", i).setOpaque(false);
}
