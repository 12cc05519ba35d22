#pragma once
#include "ui/colour.h"

namespace ui {

// Receives what is drawn on a screen's surface; the platform keeps the pixels.
class SurfaceListener {
public:
    virtual ~SurfaceListener() = default;
    virtual void drawLine(int x1, int y1, int x2, int y2, Colour colour, int widthPx) = 0;
    virtual void clearSurface(Colour background) = 0;
};

// The drawing surface of a screen: pen, current point, lines and clearing. Positions in twips.
// It keeps no record of what was drawn: the pixels live only with the listener.
class Surface {
public:
    Colour penColour() const { return penColour_; }
    void setPenColour(Colour c) { penColour_ = c; }
    int penWidth() const { return penWidth_; }
    void setPenWidth(int px) { penWidth_ = px; }
    int currentX() const { return x_; }
    int currentY() const { return y_; }
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void clear(Colour background);

    void setListener(SurfaceListener* l) { listener_ = l; }
    SurfaceListener* listener() const { return listener_; }

private:
    Colour penColour_ = rgb(0, 0, 0);
    int penWidth_ = 1;
    int x_ = 0;
    int y_ = 0;
    SurfaceListener* listener_ = nullptr;
};

}  // namespace ui
