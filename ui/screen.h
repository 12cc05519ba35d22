#pragma once
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/platform.h"
#include "ui/screen_design.h"
#include "ui/surface.h"
#include "ui/timer.h"

namespace ui {

// One screen: its window's properties, its controls in drawing order (back to front), its
// timers and drawing surface, and the routing of pointer input to the handlers.
class Screen {
public:
    using MouseHandler = std::function<void(const MouseEvent&)>;

    Screen(Platform& platform, std::string name, ScreenDesign design,
           std::span<const ControlDesign> controls, std::span<const TimerDesign> timers = {});
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    virtual void Form_Load() {}

    const std::string& name() const { return name_; }
    Platform& platform() const { return platform_; }

    // Outer window rectangle, twips.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return clientWidth_ + margins_.width; }
    int height() const { return clientHeight_ + margins_.height; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }

    const std::string& caption() const { return design_.caption; }
    bool windowButtons() const { return design_.windowButtons; }
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour c);
    Colour foreColour() const { return design_.foreColour; }
    const Picture& picture() const { return picture_; }
    void setPicture(Picture p);
    const Picture& icon() const { return icon_; }
    void setIcon(Picture p);
    bool shown() const { return shown_; }
    void setShown(bool v);
    bool topmost() const { return topmost_; }
    void setTopmost(bool v) { topmost_ = v; }

    // Controls. control() insists the control exists; find() may come back empty.
    Control& control(std::string_view name, int index = -1) const;
    Control* find(std::string_view name, int index = -1) const;
    Control* findIgnoringCase(std::string_view name) const;
    // A new member of a control array: a hidden copy of member 0, in front of it.
    Control& createMember(std::string_view name, int index);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    void bringToFront(Control& c);
    void sendToBack(Control& c);
    Timer& timer(std::string_view name) const;
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
    Surface& surface() { return surface_; }

    // Pointer input from the platform: position in twips relative to the client area of
    // `container` (the screen itself when null).
    void mouseDown(Control* container, const MouseEvent& e);
    void mouseMove(Control* container, const MouseEvent& e);
    void mouseUp(Control* container, const MouseEvent& e);
    // The topmost label or image under the point that takes the pointer, if any.
    Control* controlAt(const Control* container, int x, int y) const;

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    // The window system's close: its close box or Alt+F4. Without a handler the registry
    // decides (see Registry::closeRequested).
    std::function<void()> onCloseBox;

    // Changes since the platform last drew this screen.
    std::uint64_t revision() const { return revision_; }
    // Anything but a windowless control changed: the whole window is drawn again.
    void changed();
    // A windowless control covered or now covers `area` of its container (null: the screen).
    void damage(const Control* container, const TwipRect& area);
    struct Damage {
        const Control* container;
        TwipRect area;
    };
    // What to draw again since markDrawn(): everything, or just the damaged areas.
    bool wholeChanged() const { return wholeChanged_; }
    const std::vector<Damage>& damaged() const { return damaged_; }
    void markDrawn();
    // Stops every timer: called as the screen is unloaded.
    void retire();

private:
    void capture(Control* target, Control* container);
    void restacked(const Control& c);
    MouseEvent relativeTo(const Control& c, const MouseEvent& e) const;

    Platform& platform_;
    std::string name_;
    ScreenDesign design_;
    Size margins_;
    int left_ = 0;
    int top_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    Colour backColour_;
    Picture picture_;
    Picture icon_;
    bool shown_ = false;
    bool topmost_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    Surface surface_;
    std::uint64_t revision_ = 0;
    bool wholeChanged_ = true;
    std::vector<Damage> damaged_;
    // While a button pressed on a label is down, the pointer stays with that label.
    bool capturing_ = false;
    Control* captureTarget_ = nullptr;
    Control* captureContainer_ = nullptr;
};

}  // namespace ui
