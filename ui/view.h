#pragma once
#include "ui/platform.h"

namespace ui {

// How a screen's design maps onto its window, in twips: scaled, then shifted. At the design
// size the scale is 1 and nothing is shifted. A backend applies it and decides nothing.
struct View {
    double scale = 1;
    double offsetX = 0;
    double offsetY = 0;
    // The window covers the whole display, with the design centred in it.
    bool fillsDisplay = false;

    double toWindowX(double designX) const { return designX * scale + offsetX; }
    double toWindowY(double designY) const { return designY * scale + offsetY; }
    double toDesignX(double windowX) const { return (windowX - offsetX) / scale; }
    double toDesignY(double windowY) const { return (windowY - offsetY) / scale; }
    bool operator==(const View&) const = default;
};

// Every standard screen's outer size: the design is made for a window of it.
inline constexpr Size standardWindow{12000, 9000};

// Where a window stands on its display (its outer top left) and how its design maps onto it.
struct Placement {
    int left = 0;
    int top = 0;
    View view;
};

// A page's viewport of any size: every window at the one scale that keeps a standard window
// whole inside the viewport, frames (`margins`) at their own size, centred and on whole
// pixels. A floating board (the Jotter) takes that scale or as much as the viewport holds, and
// stays where it stands, moved inside.
Placement fitToViewport(Size viewport, Size margins, Size client, bool floating, int left, int top);

// Projector mode: the design scaled uniformly to fill the display's width or height, centred.
View projectorView(Size display, Size design);

// Projector mode for a floating board (the Jotter): twice its design size, or as much of that
// as the display holds, never less than the design; it stays where it stands.
View boardView(Size display, Size design);

}  // namespace ui
