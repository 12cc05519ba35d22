#pragma once
#include <string_view>

namespace ui {

struct Font {
    std::string_view name = "Tahoma";  // always one of the design's literal names
    double points = 8.25;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

}  // namespace ui
