#include "web/web_platform.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "ui/jpeg_size.h"
#include "ui/text_overflow.h"
#include "ui/twips.h"
#include "web/web_picture.h"

using emscripten::val;

namespace ui::web {

namespace {

class WebTimerSource : public TimerSource {
public:
    explicit WebTimerSource(std::function<void()> tick) : tick_(std::move(tick)) {}
    ~WebTimerSource() override { stop(); }
    void start(int intervalMs) override {
        if (id_ && intervalMs_ == intervalMs) return;
        stop();
        intervalMs_ = intervalMs;
        id_ = emscripten_set_interval(
            [](void* self) { static_cast<WebTimerSource*>(self)->tick_(); }, intervalMs, this);
    }
    void stop() override {
        if (id_) emscripten_clear_interval(id_);
        id_ = 0;
    }

private:
    std::function<void()> tick_;
    long id_ = 0;
    int intervalMs_ = 0;
};

}  // namespace

WebPlatform::WebPlatform()
    : desktop_(val::global("document").call<val>("getElementById", std::string("desktop"))) {
    displayChanged();
}

// The browser's viewport, or the whole display while full screen.
// Read once a change, not on every event: reading a size makes the browser lay out.
void WebPlatform::displayChanged() {
    display_ = {desktop_["offsetWidth"].as<int>() * twipsPerPixel,
                desktop_["offsetHeight"].as<int>() * twipsPerPixel};
    pixelRatio_ = val::global("window")["devicePixelRatio"].as<double>();
}

Picture WebPlatform::decodePicture(const std::filesystem::path& file) {
    if (const auto it = pictures_.find(file); it != pictures_.end()) return it->second;
    // Read with stdio: iostreams would add 100 KB to the page's code.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"),
                                                             std::fclose);
    if (!in) return nullptr;
    std::string bytes;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, in.get())) > 0;)
        bytes.append(chunk, n);
    const std::optional<Size> size = jpegSize(bytes);
    if (!size) return nullptr;
    // The page holds the picture's bytes too, and decodes them for the painter by this name.
    auto picture = std::make_shared<WebPicture>(size->width, size->height, file.generic_string());
    pictures_.emplace(file, picture);
    return picture;
}

std::uint64_t WebPlatform::clockTicks() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::unique_ptr<TimerSource> WebPlatform::makeTimer(std::function<void()> tick) {
    return std::make_unique<WebTimerSource>(std::move(tick));
}

bool WebPlatform::openUrl(const std::string& address) {
    const val opened = val::global("window").call<val>("open", address, std::string("_blank"),
                                                       std::string("noopener"));
    // With noopener a browser hands back nothing even when the tab opened.
    return opened.isNull() || opened.isUndefined() || opened.as<bool>();
}

void WebPlatform::end() { val::global("Quillon").call<void>("ended"); }

WebWindow* WebPlatform::windowNumbered(int id) const {
    for (const auto& [screen, window] : windows_)
        if (window->id() == id) return window.get();
    return nullptr;
}

WebWindow* WebPlatform::activeWindow() const {
    return stacking_.empty() ? nullptr : stacking_.back();
}

void WebPlatform::activate(WebWindow& window) {
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), &window), stacking_.end());
    stacking_.push_back(&window);
    restack();
}

// Topmost windows above the rest, each group in the order last shown or pressed; the last
// has the keyboard.
void WebPlatform::restack() {
    int z = 1;
    for (bool topmost : {false, true})
        for (WebWindow* w : stacking_)
            if (w->screen()->topmost() == topmost) w->setStacking(z++);
    for (WebWindow* w : stacking_) w->setActive(w == activeWindow());
}

void WebPlatform::showWindow(Screen& screen) {
    auto it = windows_.find(&screen);
    if (it == windows_.end())
        it = windows_.emplace(&screen, std::make_unique<WebWindow>(*this, screen, nextId_++)).first;
    it->second->sync();
    activate(*it->second);
}

void WebPlatform::destroyWindow(Screen& screen) {
    auto it = windows_.find(&screen);
    if (it == windows_.end()) return;
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), it->second.get()),
                    stacking_.end());
    windows_.erase(it);
}

void WebPlatform::repaintWhole() {
    for (const auto& [screen, window] : windows_) window->repaintWhole();
}

std::string WebPlatform::overflowingTexts() {
    std::string out;
    for (const auto& [screen, window] : windows_)
        if (screen->shown())
            for (const std::string& text : ui::overflowingTexts(window->list(), measure_))
                out += screen->name() + " " + text + "\n";
    return out;
}

// The page's live region: a screen reader says what is put there.
void WebPlatform::announce(Screen&, const std::string& text) {
    val::global("Quillon").call<void>("announce", text);
}

void WebPlatform::refresh() {
    bool fills = false;
    for (const auto& [screen, window] : windows_) {
        window->sync();
        fills = fills || (screen->shown() && screen->projected());
    }
    restack();
    if (WebWindow* active = activeWindow()) active->takeFocus();
    // Projector mode is the browser's full screen, where the page may have it.
    if (fills != wantsFullScreen_) {
        wantsFullScreen_ = fills;
        val::global("Quillon").call<void>("fullScreen", fills);
    }
}

}  // namespace ui::web
