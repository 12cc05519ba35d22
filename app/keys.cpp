#include "app/keys.h"

#include <algorithm>

#include "app/registry.h"

namespace {

// A presenter's clicker sends Page Down or Right for forward: the activity's next button.
// Its back keys are bound to nothing; the program stays mouse-first.
void pressNext(Registry&, ui::Screen& screen) {
    ui::Control* next = screen.findIgnoringCase("cmdgo");
    if (next && next->visible() && next->enabled()) next->activate();
}

// F11 puts the screen on view, and every one after it, over the whole display.
void switchProjector(Registry& registry, ui::Screen&) {
    registry.setProjector(!registry.projector());
}

void leaveProjector(Registry& registry, ui::Screen&) { registry.setProjector(false); }

// A clicker's blank key sends B or "."; any key or click brings the lesson back.
void blank(Registry& registry, ui::Screen&) { registry.setBlanked(true); }

struct Binding {
    ui::Key key;
    KeyAction action;
};

constexpr Binding bindings[] = {
    {ui::Key::PageDown, pressNext},    {ui::Key::Right, pressNext}, {ui::Key::F11, switchProjector},
    {ui::Key::Escape, leaveProjector}, {ui::Key::B, blank},         {ui::Key::Period, blank},
};

}  // namespace

const KeyAction* bindingOf(ui::Key key) {
    const auto* it = std::find_if(std::begin(bindings), std::end(bindings),
                                  [key](const Binding& b) { return b.key == key; });
    return it == std::end(bindings) ? nullptr : &it->action;
}
