#include <emscripten.h>

#include <memory>

#include "app/registry.h"
#include "program/start.h"
#include "web/web_platform.h"

// The program in a page. The page's listeners hand raw input to these functions; the model
// decides what it means.
namespace {

ui::web::WebPlatform* platform = nullptr;
std::unique_ptr<Registry> registry;

void start() {
    registry.reset();
    registry = std::make_unique<Registry>(*platform);
    startProgram(*registry);
}

ui::Screen* screenOf(int window) {
    ui::web::WebWindow* w = platform ? platform->windowNumbered(window) : nullptr;
    return w ? w->screen() : nullptr;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void quillon_pointer(int window, int action, int button, int shift, double x,
                                          double y) {
    ui::Screen* s = screenOf(window);
    if (!s || action < 0 || action > 2) return;
    if (action == 0) platform->activate(*platform->windowNumbered(window));
    const ui::PointerEvent e{static_cast<ui::PointerAction>(action), button, shift, x, y};
    platform->deliver([&] { s->pointer(e); });
}

// 1 Page Down, 2 Right, 3 F11, 4 Escape. True when the program takes the key.
EMSCRIPTEN_KEEPALIVE int quillon_key(int code) {
    ui::web::WebWindow* w = platform ? platform->activeWindow() : nullptr;
    if (!w || !w->screen() || !platform->eventSink() || code < 1 || code > 4) return 0;
    constexpr ui::Key keys[] = {ui::Key::PageDown, ui::Key::Right, ui::Key::F11, ui::Key::Escape};
    return platform->eventSink()->keyPressed(*w->screen(), keys[code - 1]) ? 1 : 0;
}

// A key on a focused button, option button or tick box.
EMSCRIPTEN_KEEPALIVE void quillon_activate(int window, int control) {
    ui::web::WebWindow* w = platform ? platform->windowNumbered(window) : nullptr;
    ui::Control* c = w ? w->controlNumbered(control) : nullptr;
    if (c) platform->deliver([c] { c->activate(); });
}

EMSCRIPTEN_KEEPALIVE void quillon_close(int window) {
    ui::Screen* s = screenOf(window);
    if (s && platform->eventSink()) platform->eventSink()->closeRequested(*s);
}

EMSCRIPTEN_KEEPALIVE void quillon_display_changed() {
    if (platform && platform->eventSink()) platform->eventSink()->displayChanged();
}

EMSCRIPTEN_KEEPALIVE void quillon_restart() {
    if (registry && registry->ended()) start();
}

}  // extern "C"

int main() {
    static ui::web::WebPlatform page;
    platform = &page;
    start();
    // The page lives on after main() returns: its events drive everything from here.
    return 0;
}
