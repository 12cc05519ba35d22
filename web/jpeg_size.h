#pragma once
#include <optional>
#include <string_view>

#include "ui/platform.h"

namespace ui::web {

// The width and height of a whole baseline or progressive JPEG, read from its frame header;
// none for anything else. The browser decodes it; this is all the model needs to know.
std::optional<Size> jpegSize(std::string_view bytes);

}  // namespace ui::web
