#pragma once
#include <span>
#include <string>

#include "app/registry.h"
#include "support/kit.h"
#include "support/trips.h"

// A pupil's pointer on the model alone: each press, move and release enters through the
// registry, at a point of the design as the screen's view puts it in the window.
class ModelHands {
public:
    explicit ModelHands(Registry& registry) : registry_(registry) {}

    // A left click at the middle of a control (member `index` of an array).
    void click(const std::string& screen, const std::string& control, int index = -1) {
        const ui::Control& c = registry_.screen(screen).control(control, index);
        const kit::ScreenPoint at = kit::screenOrigin(c);
        const TwipPoint middle{at.x + c.width() / 2, at.y + c.height() / 2};
        pointer(screen, ui::PointerAction::Press, ui::LeftButton, middle);
        pointer(screen, ui::PointerAction::Release, ui::LeftButton, middle);
    }
    // Pressed at the first point, moved through the rest with the left button held.
    void drag(const std::string& screen, std::span<const TwipPoint> path) {
        pointer(screen, ui::PointerAction::Press, ui::LeftButton, path.front());
        for (const TwipPoint& p : path.subspan(1))
            pointer(screen, ui::PointerAction::Move, ui::LeftButton, p);
        pointer(screen, ui::PointerAction::Release, ui::LeftButton, path.back());
    }

private:
    void pointer(const std::string& screen, ui::PointerAction action, int button, TwipPoint p) {
        registry_.deliver([&] {
            ui::Screen& s = registry_.screen(screen);
            const ui::View v = s.view();
            s.pointer({action, button, 0, v.toWindowX(p.x), v.toWindowY(p.y)});
        });
    }

    Registry& registry_;
};
