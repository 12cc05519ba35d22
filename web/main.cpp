#include <emscripten.h>

#include <iterator>
#include <memory>
#include <string>

#include "app/registry.h"
#include "program/start.h"
#include "web/web_platform.h"

// The program in a page. The page's listeners hand raw input to these functions; the model
// decides what it means.
namespace {

ui::web::WebPlatform* platform = nullptr;
std::unique_ptr<Registry> registry;

// The page's lesson link (its address's #hamilton, say) opens only at first: a start again
// after the program has ended is from the title.
void start(std::string_view lesson = {}) {
    registry.reset();
    registry = std::make_unique<Registry>(*platform);
    startProgram(*registry, lesson);
}

ui::Screen* screenOf(int window) {
    ui::web::WebWindow* w = platform ? platform->windowNumbered(window) : nullptr;
    return w ? w->screen() : nullptr;
}

// The pupil goes to a window: the page raises it, and the model puts its screen in use.
void use(ui::web::WebWindow& w) {
    platform->activate(w);
    if (platform->eventSink()) platform->eventSink()->windowActivated(*w.screen());
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void quillon_pointer(int window, int action, int button, int shift, double x,
                                          double y) {
    ui::Screen* s = screenOf(window);
    if (!s || action < 0 || action > 2) return;
    if (action == 0) use(*platform->windowNumbered(window));
    const ui::PointerEvent e{static_cast<ui::PointerAction>(action), button, shift, x, y};
    platform->deliver([&] { s->pointer(e); });
}

// A press on an inert window, before the page can tell what of it lies under the pointer.
EMSCRIPTEN_KEEPALIVE void quillon_use(int window) {
    if (ui::web::WebWindow* w = platform ? platform->windowNumbered(window) : nullptr) use(*w);
}

// A key by its place in this table, as the page's own table numbers it (0 any other key).
// True when the program takes the key.
EMSCRIPTEN_KEEPALIVE int quillon_key(int code) {
    using ui::Key;
    constexpr Key keys[] = {Key::Other, Key::PageDown, Key::Right, Key::F11,   Key::Escape,
                            Key::Tab,   Key::BackTab,  Key::Enter, Key::Space, Key::Left,
                            Key::Up,    Key::Down,     Key::B,     Key::Period};
    ui::web::WebWindow* w = platform ? platform->activeWindow() : nullptr;
    if (!w || !platform->eventSink() || code < 0 || code >= int(std::size(keys))) return 0;
    return platform->eventSink()->keyPressed(*w->screen(), keys[code]) ? 1 : 0;
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
    if (platform) platform->displayChanged();
    if (platform && platform->eventSink()) platform->eventSink()->displayChanged();
}

// The hover text of the button under a point of a window (twips), or nothing.
EMSCRIPTEN_KEEPALIVE const char* quillon_tool_tip(int window, double x, double y) {
    static std::string tip;
    const ui::Screen* s = screenOf(window);
    tip = s ? s->toolTipAt(x, y) : std::string();
    return tip.c_str();
}

// A picture has arrived in the page: paint it wherever it shows.
EMSCRIPTEN_KEEPALIVE void quillon_repaint() {
    if (platform) platform->repaintWhole();
}

// For the page's tests: each text laid out beyond its clip, a line each.
EMSCRIPTEN_KEEPALIVE const char* quillon_overflowing_texts() {
    static std::string texts;
    texts = platform ? platform->overflowingTexts() : std::string();
    return texts.c_str();
}

EMSCRIPTEN_KEEPALIVE void quillon_restart() {
    if (registry && registry->ended()) start();
}

}  // extern "C"

int main(int argc, char** argv) {
    static ui::web::WebPlatform page;
    platform = &page;
    start(argc > 1 ? argv[1] : "");
    // The page lives on after main() returns: its events drive everything from here.
    return 0;
}
