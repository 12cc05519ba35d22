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

// Projector mode: the design scaled uniformly to fill the display's width or height, centred.
View projectorView(Size display, Size design);

// Projector mode for a floating board (the Jotter): twice its design size, or as much of that
// as the display holds, never less than the design; it stays where it stands.
View boardView(Size display, Size design);

}  // namespace ui
