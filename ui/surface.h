#pragma once
#include <optional>
#include <vector>

#include "ui/colour.h"

namespace ui {

// One straight segment drawn on a surface, in twips; the eraser is a wide board-coloured one.
struct Stroke {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Colour colour = rgb(0, 0, 0);
    int widthPx = 1;
    bool operator==(const Stroke&) const = default;
};

// Told of each new stroke and each clearing, so a backend draws one segment per move.
class SurfaceListener {
public:
    virtual ~SurfaceListener() = default;
    virtual void strokeAdded(const Stroke& stroke) = 0;
    virtual void surfaceCleared() = 0;
};

// The drawing surface of a screen: pen, current point, lines and clearing. Positions in
// twips. It keeps every stroke since the last clearing, so a backend can draw the whole of
// it again at any scale, and a change of view loses nothing.
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

    const std::vector<Stroke>& strokes() const { return strokes_; }
    // The colour of the last clearing; none before the first, when the screen's ground shows.
    std::optional<Colour> background() const { return background_; }
    // Never drawn on nor cleared: a backend has no surface to show.
    bool untouched() const { return strokes_.empty() && !background_; }
    void setListener(SurfaceListener* l) { listener_ = l; }

private:
    Colour penColour_ = rgb(0, 0, 0);
    int penWidth_ = 1;
    int x_ = 0;
    int y_ = 0;
    std::vector<Stroke> strokes_;
    std::optional<Colour> background_;
    SurfaceListener* listener_ = nullptr;
};

}  // namespace ui
