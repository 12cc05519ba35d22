#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "ui/control_design.h"
#include "ui/key.h"
#include "ui/mouse.h"
#include "ui/picture.h"
#include "ui/twip_rect.h"

namespace ui {

class Screen;

// A control of a screen: its properties, the handlers bound to it, and its container.
// Every change tells the screen what to redraw: a windowless control the areas it covered
// and now covers, any other control itself.
class Control {
public:
    using ClickHandler = std::function<void(int index)>;
    using MouseHandler = std::function<void(int index, const MouseEvent&)>;

    Control(Screen& owner, ControlDesign design, Control* container);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Screen& screen() const { return owner_; }
    ControlKind kind() const { return d_.kind; }
    const std::string& name() const { return d_.name; }
    int index() const { return d_.index; }
    Control* container() const { return container_; }
    const ControlDesign& design() const { return d_; }

    int left() const { return d_.left; }
    int top() const { return d_.top; }
    int width() const { return d_.width; }
    int height() const { return d_.height; }
    void setLeft(int v) { assign(d_.left, v); }
    void setTop(int v) { assign(d_.top, v); }
    void setWidth(int v) { assign(d_.width, v); }
    void setHeight(int v) { assign(d_.height, v); }
    bool contains(int x, int y) const;

    const std::string& caption() const { return d_.caption; }
    void setCaption(std::string v) { assign(d_.caption, std::move(v)); }
    const std::string& toolTip() const { return d_.toolTip; }
    void setToolTip(std::string v) { assign(d_.toolTip, std::move(v)); }
    const Font& font() const { return d_.font; }
    void setFont(Font v) { assign(d_.font, std::move(v)); }
    Alignment alignment() const { return d_.alignment; }
    bool border() const { return d_.border; }

    Colour foreColour() const { return d_.foreColour; }
    void setForeColour(Colour v) { assign(d_.foreColour, v); }
    Colour backColour() const { return d_.backColour; }
    void setBackColour(Colour v) { assign(d_.backColour, v); }
    bool opaque() const { return d_.opaque; }
    void setOpaque(bool v) { assign(d_.opaque, v); }

    bool visible() const { return d_.visible; }
    void setVisible(bool v) { assign(d_.visible, v); }
    bool enabled() const { return d_.enabled; }
    void setEnabled(bool v) { assign(d_.enabled, v); }
    bool tabStop() const { return d_.tabStop; }
    void setTabStop(bool v) { assign(d_.tabStop, v); }

    const Picture& picture() const { return picture_; }
    void setPicture(Picture v);

    // Option buttons: choosing one clears the others in its container and raises Click.
    // Tick box: any change raises Click.
    int value() const { return d_.value; }
    void setValue(int v);

    // Lines: endpoints read back exactly as set; colour is the fore colour.
    double x1() const { return d_.x1; }
    double y1() const { return d_.y1; }
    double x2() const { return d_.x2; }
    double y2() const { return d_.y2; }
    void setEnds(double x1, double y1, double x2, double y2);
    int borderWidth() const { return d_.borderWidth; }
    void setBorderWidth(int v) { assign(d_.borderWidth, v); }
    bool dashed() const { return d_.dashed; }

    // Labels and images take the pointer; lines and shapes let it through to the screen.
    bool takesPointer() const;
    // Where a windowless control's drawing may reach in its container, pen and smoothing
    // included; empty while it is hidden.
    TwipRect drawnArea() const;

    // What assistive technology is told: a label or shape that takes clicks is a button, a
    // picture or shape that does not only decorates.
    Role role() const;
    void setRole(Role v) { describe(d_.role, v); }
    std::string accessibleName() const;
    void setAccessibleName(std::string v) { describe(d_.accessibleName, std::move(v)); }
    // Something a pupil can press: it takes the keyboard's focus in its turn.
    bool acts() const;

    ClickHandler onClick;
    // A key other than Enter or Space on the focused control; true when it was used.
    std::function<bool(Key)> onKey;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

    void click() const;
    // What a click of the left button, or a key on a focused control, does: an option button
    // is chosen, the tick box turns over, anything else raises Click.
    void activate();
    // A button held down with the pointer over it: drawn pushed in.
    bool pressed() const { return pressed_; }
    // Moves on with every change, drawn or only told: a backend redoes just the controls whose
    // number moved.
    std::uint64_t revision() const { return revision_; }

private:
    friend class Screen;
    template <class T, class V>
    void assign(T& field, V&& v) {
        if (field == v) return;
        leaving();
        field = std::forward<V>(v);
        changed();
    }
    // What only assistive technology is told changes nothing drawn.
    template <class T, class V>
    void describe(T& field, V&& v) {
        if (field == v) return;
        field = std::forward<V>(v);
        described();
    }
    void described();
    // Before and after a change: a windowless control reports where it is drawn, any other
    // control asks for the whole window.
    void leaving();
    void changed();
    void reportDrawn();
    void setPressed(bool v) { assign(pressed_, v); }

    Screen& owner_;
    ControlDesign d_;
    Control* container_;
    Picture picture_;
    bool pressed_ = false;
    std::uint64_t revision_ = 0;
};

}  // namespace ui
