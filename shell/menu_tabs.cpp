#include "shell/menu_tabs.h"

#include <array>

#include "app/colours.h"
#include "ui/screen.h"

namespace shell {

namespace {

constexpr int tabStep = 750;
constexpr int linksTabOffset = 4500;

constexpr std::array<const char*, tabCount> tabCaptions = {
    "Menu 1", "Menu 2", "Menu 3", "Menu 4", "Menu 5", "WWW Links",
};

}  // namespace

ui::ControlDesign firstTabDesign() {
    // clang-format off
    return {.kind = ui::ControlKind::Label, .name = "Label2", .index = 0, .caption = "Menu 1",
            .left = 9600, .top = 2400, .width = 2235, .height = 495,
            .font = {"Tahoma", 18, true}, .foreColour = yellow, .backColour = black,
            .opaque = false, .border = true, .alignment = ui::Alignment::Centre,
            .visible = false, .role = ui::Role::Tab};
    // clang-format on
}

MenuTabs::MenuTabs(ui::Screen& screen) : screen_(screen), tabs_(screen.members("Label2", 1)) {}

void MenuTabs::build() {
    const ui::Control& first = tab(0);
    for (int i = 1; i < tabCount; ++i) {
        ui::Control& made = screen_.createMember(first.name(), i);
        made.setLeft(first.left());
        made.setTop(first.top() + (i == linksTab ? linksTabOffset : tabStep * i));
        made.setCaption(tabCaptions[static_cast<std::size_t>(i)]);
        tabs_.push_back(&made);
    }
    for (ui::Control* t : tabs_) t->setVisible(true);
    tab(linksTab).setEnabled(false);
}

void MenuTabs::clearHighlights() {
    for (ui::Control* t : tabs_) t->setOpaque(false);
}

ui::Control& MenuTabs::tab(int index) const { return *tabs_.at(static_cast<std::size_t>(index)); }

}  // namespace shell
