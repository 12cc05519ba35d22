#pragma once
#include <string>
#include <vector>

#include "ui/display_list.h"

namespace ui {

// Each run of a control's text that the list lays out beyond its clip by more than a pixel of
// smoothing, as `name[index]: "text" (how far, where)`; measured by the backend's own fonts.
std::vector<std::string> overflowingTexts(const DisplayList& list, TextMeasure& measure);

}  // namespace ui
