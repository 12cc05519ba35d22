#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/platform.h"
#include "ui/screen_design.h"
#include "ui/surface.h"
#include "ui/timer.h"
#include "ui/view.h"

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
    // What a screen reader calls the window: its caption, or its title where that is blank.
    const std::string& windowName() const;
    bool windowButtons() const { return design_.windowButtons; }
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour c);
    Colour foreColour() const { return design_.foreColour; }
    const Picture& picture() const { return picture_; }
    void setPicture(Picture p);
    bool shown() const { return shown_; }
    void setShown(bool v);
    // Behind the window in use: a screen reader and the keyboard leave it alone until the pupil
    // goes back to it.
    bool inert() const { return inert_; }
    void setInert(bool v);
    // Stays above every other window.
    bool topmost() const { return topmost_; }
    void setTopmost(bool v);

    // Projector mode: on a desktop a screen fills the display and a topmost one floats as a
    // larger board; a page fills the display with its viewport.
    bool projected() const { return projected_; }
    void setProjected(bool on, Size display);
    // How the design maps onto the window now.
    View view() const { return placement().view; }
    // Where the window stands and its view: the design's place, or fitted to a page's viewport.
    Placement placement() const;

    // Controls. control() insists the control exists; find() may come back empty.
    Control& control(std::string_view name, int index = -1) const;
    Control* find(std::string_view name, int index = -1) const;
    Control* findIgnoringCase(std::string_view name) const;
    // Members 0 to count - 1 of a control array, each insisted on.
    std::vector<Control*> members(std::string_view name, int count) const;
    // A new member of a control array: a hidden copy of member 0, in front of it.
    Control& createMember(std::string_view name, int index);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // What a screen reader meets, in the design's order: each control on view that is neither
    // hidden from it nor only a group or holder of others.
    std::vector<Control*> readable() const;
    void bringToFront(Control& c);
    void sendToBack(Control& c);
    Timer& timer(std::string_view name) const;
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // The drawing surface's ground: the colour of its last clearing, else the screen's.
    Colour surfaceColour() const { return surface_.background().value_or(backColour_); }

    // Raw pointer input for the whole window. The screen decides what it means: the control
    // under the pointer (windowed controls above the drawn ones, later above earlier), a
    // press and release on the same control is a click, and while a button is held the
    // pointer stays with what it was pressed on.
    void pointer(const PointerEvent& e);
    // The topmost label or image under the point that takes the pointer, if any.
    Control* controlAt(const Control* container, int x, int y) const;
    // The hover text of the button under a point of the window, if any.
    std::string toolTipAt(double windowX, double windowY) const;

    // The keyboard. Tab and Shift+Tab move the focus through the controls that act, in the
    // design's order, its tab stops first; Enter and Space press the focused one; other keys
    // go to its onKey.
    // True when the key was used.
    bool key(Key k);
    Control* focused() const;
    void setFocus(Control* c);
    // Whether the focus ring is drawn: from a key on until the next press of the pointer.
    bool focusShown() const { return focusShown_; }
    bool takesFocus(const Control& c) const;
    // Where a control lies in the client area, whatever frames hold it: for the focus ring and
    // for assistive technology.
    TwipRect areaOf(const Control& c) const;

    // A presenter's blank key: the window shows black and the pointer does nothing but end it.
    bool blanked() const { return blanked_; }
    void setBlanked(bool v);

    // Says a text to assistive technology as it appears: a verdict, a new question.
    void announce(const std::string& text);
    // The latest, for a window that comes after it was said.
    const std::string& announcement() const { return announcement_; }

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    // The window system's close: its close box or Alt+F4. Without a handler the registry
    // decides (see Registry::closeRequested).
    std::function<void()> onCloseBox;

    // Changes since the platform last drew this screen.
    std::uint64_t revision() const { return revision_; }
    // Anything but a windowless control changed: the whole window is drawn again.
    void changed();
    // A control's role or name changed: nothing to draw, but there is news for a backend.
    void described() { ++revision_; }
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
    // What a point of the design falls on: a windowed button, or a label or image (or
    // nothing) in a container (or the screen), with that container's origin.
    struct Hit {
        Control* container = nullptr;
        Control* target = nullptr;
        int originX = 0;
        int originY = 0;
    };
    Hit hitAt(int x, int y, bool leftButton) const;
    void press(const MouseEvent& e);
    void move(const MouseEvent& e);
    void release(const MouseEvent& e);
    using ControlHandler = Control::MouseHandler Control::*;
    // Hands an event to the hit's label, or to the screen's own handler when it is on the screen.
    static void route(const Hit& h, const MouseEvent& e, ControlHandler onControl,
                      const MouseHandler& onScreen);
    std::vector<std::unique_ptr<Control>>::iterator position(const Control& c);
    void moveFocus(bool backwards);
    void showFocus(bool v);
    void restacked(const Control& c);

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
    bool shown_ = false;
    bool inert_ = false;
    bool topmost_ = false;
    bool projected_ = false;
    Size display_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> readingOrder_;  // the design's order, whatever is brought to front
    Control* focused_ = nullptr;
    bool focusShown_ = false;
    bool blanked_ = false;
    std::string announcement_;
    std::vector<std::unique_ptr<Timer>> timers_;
    Surface surface_;
    std::uint64_t revision_ = 0;
    bool wholeChanged_ = true;
    std::vector<Damage> damaged_;
    // While a button is held, the pointer stays with what it was pressed on.
    std::optional<Hit> grab_;
    int grabButton_ = NoButton;
};

}  // namespace ui
