#include "invariants.h"

#include <set>

#include "app/registry.h"

namespace {

bool shown(const Registry& registry, const char* name) {
    for (const ui::Screen* s : registry.loadedScreens())
        if (s->name() == name) return s->shown();
    return false;
}

std::string endFault(const Registry& registry, const EventOutcome& outcome) {
    const bool closedWithoutButtons = !outcome.closed.empty() && !outcome.closedHasWindowButtons;
    if (!outcome.exitClicked && !closedWithoutButtons)
        return "the program ended only through \"Exit\" or a close of the title, introduction "
               "or a menu";
    if (!registry.loadedScreens().empty()) return "the program ended with every screen gone";
    return {};
}

std::string closeFault(const Registry& registry, const EventOutcome& outcome) {
    if (!outcome.closedHasWindowButtons)
        return "a close of the title, introduction or a menu ends the program";
    if (registry.isLoaded(outcome.closed))
        return "a close of an activity or the Jotter leaves it as its exit button does";
    return {};
}

}  // namespace

std::vector<std::string> reachableScreens(const Registry& registry) {
    std::vector<std::string> names(std::begin(shellScreens), std::end(shellScreens));
    for (const ActivityEntry& a : activityTable) names.emplace_back(a.screen);
    names.emplace_back("jotter");
    std::erase_if(names, [&](const std::string& name) { return !registry.has(name); });
    return names;
}

std::string brokenInvariant(const Registry& registry, const EventOutcome& outcome) {
    if (registry.caughtFaults() > 0) return "no handler threw";
    if (outcome.timerOfUnloaded) return "no timer fired for a screen that is not loaded";
    if (registry.ended()) return endFault(registry, outcome);
    if (!outcome.closed.empty())
        if (std::string fault = closeFault(registry, outcome); !fault.empty()) return fault;

    std::set<std::string> names;
    int shownCount = 0;
    int inUse = 0;
    for (const ui::Screen* s : registry.loadedScreens()) {
        if (!names.insert(s->name()).second) return "one instance per screen name";
        shownCount += s->shown() ? 1 : 0;
        inUse += s->shown() && !s->inert() ? 1 : 0;
    }
    if (shownCount == 0) return "some screen is always shown";
    if (inUse != 1) return "one shown window is in use, every other inert behind it";

    int shellShown = 0;
    for (const char* name : shellScreens) shellShown += shown(registry, name) ? 1 : 0;
    if (shellShown > 1) return "at most one of the title, introduction and menus is shown";

    int activitiesShown = 0;
    for (const ActivityEntry& a : activityTable) {
        if (!registry.has(a.screen) || !shown(registry, a.screen)) continue;
        ++activitiesShown;
        if (!registry.isLoaded(a.menu)) return "an activity has its menu loaded behind it";
    }
    if (activitiesShown > 1) return "at most one activity is shown";
    if (shown(registry, "jotter") && activitiesShown == 0)
        return "the Jotter is shown only over a loaded activity";
    return {};
}
