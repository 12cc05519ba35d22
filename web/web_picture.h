#pragma once
#include <string>

#include "ui/picture.h"

namespace ui::web {

// A picture as the page shows it: the file's bytes behind an object address, which the
// browser decodes; the model knows only its size.
class WebPicture : public PictureData {
public:
    WebPicture(int widthPx, int heightPx, std::string url)
        : PictureData(widthPx, heightPx), url_(std::move(url)) {}
    const std::string& url() const { return url_; }

private:
    std::string url_;
};

}  // namespace ui::web
