#pragma once
#include <memory>

namespace ui {

// A decoded picture; the platform subclasses it to carry its own image.
class PictureData {
public:
    PictureData(int widthPx, int heightPx) : widthPx_(widthPx), heightPx_(heightPx) {}
    virtual ~PictureData() = default;
    int widthPx() const { return widthPx_; }
    int heightPx() const { return heightPx_; }

private:
    int widthPx_;
    int heightPx_;
};

// Null means no picture.
using Picture = std::shared_ptr<const PictureData>;

}  // namespace ui
