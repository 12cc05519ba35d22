#include "app/activity.h"

#include <stdexcept>

#include "app/registry.h"

const char* activityAt(std::string_view menu, int topic) {
    for (const ActivityEntry& a : activityTable)
        if (a.menu == menu && a.topic == topic) return a.screen;
    return nullptr;
}

namespace {

const char* menuOf(std::string_view activity) {
    for (const ActivityEntry& a : activityTable)
        if (a.screen == activity) return a.menu;
    throw std::logic_error(std::string(activity) + " is no activity");
}

}  // namespace

ActivityScreen::ActivityScreen(Registry& registry, std::string name, ui::ScreenDesign design,
                               std::span<const ui::ControlDesign> controls,
                               std::span<const ui::TimerDesign> timers)
    : ui::Screen(registry.platform(), std::move(name), std::move(design), controls, timers),
      registry_(registry) {
    control("cmdjotter").onClick = [this](int) { cmdjotter_Click(); };
    control("cmdexit").onClick = [this](int) { cmdexit_Click(); };
    // Closing an activity's window is leaving by its exit button, Jotter and all.
    onCloseBox = [this] { cmdexit_Click(); };
}

void ActivityScreen::cmdjotter_Click() { registry_.show("jotter"); }

void ActivityScreen::cmdexit_Click() {
    const std::string self = name();
    registry_.unload("jotter");
    registry_.show(menuOf(self));
    registry_.unload(self);
}

void ActivityScreen::wireOptions(std::initializer_list<std::function<void()>> handlers) {
    int n = 0;
    for (const auto& handler : handlers)
        control("Option" + std::to_string(++n)).onClick = [handler](int) { handler(); };
}

void ActivityScreen::useVerdict(ui::Control& label, ui::Timer& timer) {
    verdict_ = &label;
    verdictTimer_ = &timer;
}

void ActivityScreen::showVerdict(const char* text) {
    verdict_->setCaption(text);
    verdict_->setVisible(true);
    verdictTimer_->restart();
    announce(text);
}

void ActivityScreen::hideVerdict() {
    verdict_->setVisible(false);
    verdictTimer_->setEnabled(false);
}
