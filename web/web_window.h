#pragma once
#include <emscripten/val.h>

#include <map>
#include <string>
#include <vector>

#include "ui/access.h"
#include "ui/display_list.h"
#include "ui/screen.h"

namespace ui::web {

class WebPlatform;

// The page's window of one shown screen: a framed canvas painted from the model's display
// list, and over it one unseen element per control for the screen reader, the keyboard's focus
// and tests. It decides nothing; its input reaches the model through the page's listeners.
class WebWindow : public SurfaceListener {
public:
    WebWindow(WebPlatform& platform, Screen& screen, int id);
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    Screen* screen() const { return screen_; }
    int id() const { return id_; }
    // Brings the canvas and every element up to date with the model.
    void sync();
    // Paints everything again at the next frame: a picture has arrived.
    void repaintWhole() { schedule({}, pendingAreas_); }
    void setStacking(int z) { frame_["style"].set("zIndex", z); }
    void setActive(bool active);
    // A control by the number its element carries, while the screen is here.
    Control* controlNumbered(int number) const;
    // The page's keyboard focus onto the model's focused control, or where none is focused onto
    // the window, so a screen reader says it.
    void takeFocus();
    // What the screen shows as it stands.
    DisplayList list() const;

    void strokeAdded(const Stroke& stroke) override;
    void surfaceCleared() override;

private:
    struct Node {
        emscripten::val element;
        int number = 0;
        std::uint64_t revision = ~0ULL;  // the control's, when last written
        std::string written;             // what the element says now, to write only changes
    };
    Node& nodeFor(const Control& c);
    emscripten::val part(const char* selector) const;
    void syncFrame();
    void describe(const Control& c, Node& n);
    void syncTabList();
    PixelRect windowRect() const;
    // What to paint at the next frame: the whole window, or these areas in full, or only what
    // lies above the Jotter's drawing (its new segments are on the canvas already).
    void schedule(const Repaint& repaint, std::vector<PixelRect>& into);
    void paintPending();

    WebPlatform& platform_;
    Screen* const screen_;
    int id_;
    std::uint64_t syncedRevision_ = ~0ULL;
    emscripten::val frame_;
    emscripten::val canvas_;
    emscripten::val painter_;
    std::string frameWritten_;
    std::string canvasSize_;
    std::map<const Control*, Node> nodes_;
    bool wholePending_ = false;
    std::vector<PixelRect> pendingAreas_;
    std::vector<PixelRect> pendingAbove_;
    long frameRequest_ = 0;
    // The focused control a screen reader last heard of, and its name then.
    const Control* toldFocus_ = nullptr;
    std::string toldName_;
};

}  // namespace ui::web
