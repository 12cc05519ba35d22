#pragma once
#include <array>

#include "ui/colour.h"

// The sixteen basic colours the activities name by index.
inline constexpr std::array<ui::Colour, 16> basicColours = {
    ui::rgb(0, 0, 0),       ui::rgb(0, 0, 128),   ui::rgb(0, 128, 0),   ui::rgb(0, 128, 128),
    ui::rgb(128, 0, 0),     ui::rgb(128, 0, 128), ui::rgb(128, 128, 0), ui::rgb(192, 192, 192),
    ui::rgb(128, 128, 128), ui::rgb(0, 0, 255),   ui::rgb(0, 255, 0),   ui::rgb(0, 255, 255),
    ui::rgb(255, 0, 0),     ui::rgb(255, 0, 255), ui::rgb(255, 255, 0), ui::rgb(255, 255, 255),
};

constexpr ui::Colour basicColour(int index) {
    return basicColours.at(static_cast<std::size_t>(index));
}
// What a screen reader calls each of them, in the same order.
inline constexpr std::array<const char*, 16> basicColourNames = {
    "black", "navy", "green", "teal", "maroon", "purple",  "olive",  "silver",
    "grey",  "blue", "lime",  "aqua", "red",    "magenta", "yellow", "white",
};

// The ground of the standard screen, and the board blue one step of blue above it.
inline constexpr ui::Colour standardBlue = ui::rgb(49, 135, 214);
inline constexpr ui::Colour boardBlue = ui::rgb(49, 135, 215);
inline constexpr ui::Colour yellow = ui::rgb(255, 255, 0);
inline constexpr ui::Colour black = ui::rgb(0, 0, 0);
