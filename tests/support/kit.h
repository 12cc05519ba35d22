#pragma once
#include <algorithm>
#include <ostream>
#include <string>

#include "app/registry.h"
#include "hamilton/graph_solids.h"
#include "surds/surds.h"
#include "ui/control.h"
#include "ui/screen.h"

// What many test files share.
namespace kit {

// Rows print as their names, so failures and ctest's list read as words. gtest finds it where
// a file says `using kit::PrintTo;` beside its rows.
template <class Row>
requires requires(const Row& row, std::ostream& os) { os << row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// Names each case of a parameterised test after its row.
inline constexpr auto byName = [](const auto& info) { return std::string(info.param.name); };

inline std::string nameOf(int solid) { return std::string(hamiltonian::solidAt(solid).solidName); }

// Where a control stands in its screen's drawing order, back to front.
inline long drawPosition(const ui::Control& c) {
    const auto& all = c.screen().controls();
    return std::find_if(all.begin(), all.end(), [&](const auto& p) { return p.get() == &c; }) -
           all.begin();
}

// Visible itself and in every frame that holds it.
inline bool onView(const ui::Control& c) {
    for (const ui::Control* at = &c; at; at = at->container())
        if (!at->visible()) return false;
    return true;
}

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The top left of a control in its screen's client area, whatever frames hold it.
inline ScreenPoint screenOrigin(const ui::Control& c) {
    ScreenPoint at{c.left(), c.top()};
    for (const ui::Control* holder = c.container(); holder; holder = holder->container()) {
        at.x += holder->left();
        at.y += holder->top();
    }
    return at;
}

// Puts a question of the given kind on the surds screen, as its Next button would.
template <class Question>
void ask(Registry& registry, const Question& q) {
    registry.deliver([&] {
        surd::surds& screen = registry.screenAs<surd::surds>("surds");
        screen.makevisible();
        screen.pose(q);
    });
}

}  // namespace kit
