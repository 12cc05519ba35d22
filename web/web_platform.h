#pragma once
#include <emscripten/val.h>

#include <map>
#include <memory>

#include "ui/platform.h"
#include "web/canvas.h"
#include "web/web_window.h"

namespace ui::web {

// The machine's services in a browser page: a framed canvas per shown screen on a desktop
// element, the page's text measure, the browser's timers and decoder, a new tab for a web address.
class WebPlatform : public Platform {
public:
    WebPlatform();

    Size displaySize() const override { return display_; }
    // Device pixels to a logical one.
    double pixelRatio() const { return pixelRatio_; }
    // The page's desktop or its pixels changed (a resize, full screen, a zoom).
    void displayChanged();
    Size frameMargins() const override { return {120, 510}; }
    bool fitsViewport() const override { return true; }
    std::vector<std::filesystem::path> pictureFolders() const override { return {"/"}; }
    Picture decodePicture(const std::filesystem::path& file) override;
    std::uint64_t clockTicks() override;
    std::unique_ptr<TimerSource> makeTimer(std::function<void()> tick) override;
    bool openUrl(const std::string& address) override;
    void end() override;
    void showWindow(Screen& screen) override;
    void destroyWindow(Screen& screen) override;
    void refresh() override;
    void announce(Screen& screen, const std::string& text) override;

    emscripten::val desktop() const { return desktop_; }
    WebWindow* windowNumbered(int id) const;
    // The window that has the keyboard: the one last shown or pressed on.
    WebWindow* activeWindow() const;
    void activate(WebWindow& window);
    TextMeasure& measure() { return measure_; }
    // Every window painted again: a picture has arrived.
    void repaintWhole();
    // The texts of the shown windows that reach outside their clip, a line each
    // ("screen name[index]: text").
    std::string overflowingTexts();

private:
    void restack();

    emscripten::val desktop_;
    CanvasMeasure measure_;
    Size display_;
    double pixelRatio_ = 1;
    // Kept for the page's life, beyond the model's sharing while shown: a screen opened again
    // makes no new object address (the page decodes each address once and never forgets it).
    std::map<std::filesystem::path, Picture> pictures_;
    std::map<const Screen*, std::unique_ptr<WebWindow>> windows_;
    std::vector<WebWindow*> stacking_;  // back to front
    int nextId_ = 1;
    bool wantsFullScreen_ = false;
};

}  // namespace ui::web
