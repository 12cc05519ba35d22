#pragma once
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "driver.h"
#include "invariants.h"

namespace ui {
class Screen;
}

// The seeded monkey: events a class might give, at random, the invariants checked after each.
class Monkey {
public:
    Monkey(Driver& driver, std::uint64_t seed);

    // Runs `count` events; the first event that breaks an invariant stops the run.
    void run(std::uint64_t count);

    std::uint64_t eventsRun() const { return events_; }
    const std::string& fault() const { return fault_; }
    const std::string& faultEvent() const { return description_; }
    const std::set<std::string>& screensShown() const { return screensShown_; }

private:
    // One step of the run: an event, or the next part of a drag under way.
    void step();
    void clickControl(const ui::Screen& screen);
    void clickPoint(const ui::Screen& screen);
    void startDrag(const ui::Screen& screen);
    void continueDrag();
    void movePointer(const ui::Screen& screen);
    void closeWindow(const ui::Screen& screen);
    void pressKey(const ui::Screen& screen);
    void advanceClock();

    // Every screen loaded now has its timers and the title's "Exit" watched.
    void watchScreens();
    void check();

    int pick(int count);
    int between(int low, int high);
    template <class T>
    const T& oneOf(const std::vector<T>& choices) {
        return choices[static_cast<std::size_t>(pick(static_cast<int>(choices.size())))];
    }

    Driver& driver_;
    std::mt19937_64 random_;
    std::uint64_t events_ = 0;
    std::string description_;
    EventOutcome outcome_;
    std::string fault_;
    std::set<std::string> screensShown_;

    // A drag under way: its screen, button, and the moves still to come before the release.
    std::string dragScreen_;
    int dragButton_ = 0;
    int dragMovesLeft_ = 0;
    int dragX_ = 0;
    int dragY_ = 0;
};
