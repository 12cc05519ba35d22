#pragma once
#include <optional>
#include <string_view>

#include "ui/platform.h"

namespace ui {

// The width and height of a whole baseline or progressive JPEG, read from its frame header;
// none for anything else: all a backend that leaves the decoding to another (a browser) needs.
std::optional<Size> jpegSize(std::string_view bytes);

}  // namespace ui
