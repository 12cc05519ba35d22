#pragma once
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "ui/screen.h"

class Registry;

// Each activity, the menu it opens from and returns to, and the row of its topic there. The
// menus, the activities' exits and the monkey all read this one table.
struct ActivityEntry {
    const char* screen;
    const char* menu;
    int topic;
};
inline constexpr ActivityEntry activityTable[] = {
    {"hamilton", "menu1", 0},
    {"surds", "menu1", 4},
    {"reflections", "menu5", 2},
};

// The activity a menu's topic opens; null where it opens none.
const char* activityAt(std::string_view menu, int topic);

// What every activity screen shares: the Jotter button, leaving for its menu (the Jotter
// closed first, and the window system's close leaves the same way), the option buttons'
// wiring, and a verdict shown for a period that a new check restarts.
class ActivityScreen : public ui::Screen {
public:
    ActivityScreen(Registry& registry, std::string name, ui::ScreenDesign design,
                   std::span<const ui::ControlDesign> controls,
                   std::span<const ui::TimerDesign> timers = {});

    void cmdjotter_Click();
    void cmdexit_Click();

protected:
    // Option1, Option2, ... raise these handlers, in order.
    void wireOptions(std::initializer_list<std::function<void()>> handlers);
    // The label that shows a verdict and the timer that takes it away again.
    void useVerdict(ui::Control& label, ui::Timer& timer);
    // The verdict shows for the timer's whole period, also when it replaces one still on view.
    void showVerdict(const char* text);
    void hideVerdict();

    Registry& registry_;

private:
    ui::Control* verdict_ = nullptr;
    ui::Timer* verdictTimer_ = nullptr;
};
