#pragma once
#include <vector>

#include "ui/control_design.h"

namespace ui {
class Control;
class Screen;
}  // namespace ui

namespace shell {

// The column of six tabs that the introduction and every topic menu carry on the right:
// "Menu 1" to "Menu 5" and the greyed "WWW Links".
inline constexpr int tabCount = 6;
inline constexpr int linksTab = 5;

// Tab 0 as designed; the others are made from it at load.
ui::ControlDesign firstTabDesign();

// One screen's tabs, found once: tab 0 from the design, the rest as build() makes them.
class MenuTabs {
public:
    explicit MenuTabs(ui::Screen& screen);

    // Creates tabs 1 to 5 from tab 0, one step of 750 apart with a free step above the last,
    // captions them, shows all six and greys the last.
    void build();
    // The bare screen takes the highlight box away from every tab.
    void clearHighlights();
    ui::Control& tab(int index) const;

private:
    ui::Screen& screen_;
    std::vector<ui::Control*> tabs_;
};

}  // namespace shell
