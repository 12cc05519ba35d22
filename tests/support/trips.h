#pragma once
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/activity.h"

// The round trip a class makes all day long: from the activity's menu into it, some work, and
// out again by its exit button, back on the menu it started from.
struct Trip {
    const char* name;
    const char* activity;
    std::vector<const char*> work;  // buttons of the activity pressed in turn
    bool jotter = false;            // the Jotter opened and drawn on before leaving
};

// A failing row reads as its name.
inline void PrintTo(const Trip& trip, std::ostream* os) { *os << trip.name; }

inline const Trip trips[] = {
    {"HamiltonOpenAndExit", "hamilton", {}},
    {"HamiltonWorked", "hamilton", {"cmdgo", "Cmdcheckit", "cmdsoln"}, true},
    {"SurdsWorked", "surds", {"cmdgo", "cmdsoln", "cmdgo"}, true},
    {"ReflectionsWorked", "reflections", {"cmdgo", "cmdsoln"}, true},
};

inline const ActivityEntry& entryOf(std::string_view activity) {
    for (const ActivityEntry& entry : activityTable)
        if (entry.screen == activity) return entry;
    throw std::invalid_argument(std::string(activity) + " is no activity");
}

struct TwipPoint {
    int x = 0;
    int y = 0;
};

// A short zigzag on the Jotter's pad, in its twips.
inline constexpr TwipPoint scribble[] = {{1500, 900}, {1800, 1200}, {2400, 1200}, {2400, 300}};

// Takes the trip with any hands that click a control of a screen and drag along a path on one.
// The trip's menu is shown when it starts, and again when it ends.
template <class Hands>
void takeTrip(Hands& hands, const Trip& trip) {
    const ActivityEntry& entry = entryOf(trip.activity);
    hands.click(entry.menu, "Label3", entry.topic);
    for (const char* button : trip.work) hands.click(trip.activity, button);
    if (trip.jotter) {
        hands.click(trip.activity, "cmdjotter");
        hands.drag("jotter", scribble);
    }
    hands.click(trip.activity, "cmdexit");
}

// Trips taken in turn, moving between their menus by the menus' tabs. A round starts and ends on
// its first trip's menu, so it can be taken again and again.
struct Round {
    const char* name;
    std::vector<Trip> trips;
    const char* menu() const { return entryOf(trips.front().activity).menu; }
};

inline void PrintTo(const Round& round, std::ostream* os) { *os << round.name; }

// Each kind of trip alone, then every kind in turn as a school day mixes them.
inline const std::vector<Round> rounds = [] {
    std::vector<Round> all;
    for (const Trip& trip : trips) all.push_back({trip.name, {trip}});
    all.push_back({"EveryKindInTurn", {std::begin(trips), std::end(trips)}});
    return all;
}();

// From one menu to another by its tab: tab n opens menu n + 1.
template <class Hands>
void changeMenu(Hands& hands, std::string_view from, std::string_view to) {
    if (from != to) hands.click(std::string(from), "Label2", to.back() - '1');
}

template <class Hands>
void takeRound(Hands& hands, const Round& round) {
    std::string_view at = round.menu();
    for (const Trip& trip : round.trips) {
        changeMenu(hands, at, entryOf(trip.activity).menu);
        takeTrip(hands, trip);
        at = entryOf(trip.activity).menu;
    }
    changeMenu(hands, at, round.menu());
}
