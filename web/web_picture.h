#pragma once
#include <string>

#include "ui/picture.h"

namespace ui::web {

// A picture as the page shows it: the file's bytes behind an object address, which the
// browser decodes; the model knows only its size.
struct WebPicture : PictureData {
    WebPicture(int widthPx, int heightPx, std::string address)
        : PictureData(widthPx, heightPx), url(std::move(address)) {}
    std::string url;
};

}  // namespace ui::web
