#pragma once
#include <emscripten/val.h>

#include <map>
#include <string>
#include <vector>

#include "ui/screen.h"
#include "ui/surface.h"
#include "ui/view.h"

namespace ui::web {

class WebPlatform;

// The page's window of one shown screen: a framed element on the desktop holding one element
// per control, in drawing order, at the model's view. It draws what the model holds and
// decides nothing; its input reaches the model through the page's listeners.
class WebWindow : public SurfaceListener {
public:
    WebWindow(WebPlatform& platform, Screen& screen, int id);
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    Screen* screen() const { return screen_; }
    int id() const { return id_; }
    // The screen is going: forget it, so nothing here reaches it again.
    void detach();
    // Brings every element up to date with the model.
    void sync();
    void setStacking(int z);
    // The window with the keyboard, the only one whose focus ring shows.
    void setActive(bool active);
    void hide();
    // A control by the number its element carries, while the screen is here.
    Control* controlNumbered(int number) const;
    // The page's keyboard focus onto the model's focused control, so a screen reader says it.
    void takeFocus();

    void strokeAdded(const Stroke& stroke) override;
    void surfaceCleared() override;

private:
    struct Node {
        emscripten::val element;
        std::string drawn;  // what the element shows now, to write only what changed
        int number = 0;
        std::string told;                // what it tells assistive technology now, likewise
        std::uint64_t revision = ~0ULL;  // the control's, when last written
    };
    Node& nodeFor(const Control& c);
    emscripten::val containerElement(const Control* container);
    void syncFrame();
    void syncControl(const Control& c, Node& n);
    void syncAccess(const Control& c, Node& n);
    void syncTabList();
    void restack();
    void redrawSurface();

    WebPlatform& platform_;
    Screen* screen_;
    int id_;
    std::uint64_t syncedRevision_ = ~0ULL;
    View view_;
    emscripten::val frame_;
    emscripten::val caption_;
    emscripten::val client_;
    emscripten::val design_;
    emscripten::val canvas_;
    emscripten::val tabList_;
    std::string tabsOwned_;
    std::string frameDrawn_;
    std::map<const Control*, Node> nodes_;
    std::vector<const Control*> order_;
    bool surfaceShown_ = false;
};

}  // namespace ui::web
