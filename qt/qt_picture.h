#pragma once
#include <QImage>

#include "ui/picture.h"

namespace ui::qt {

class QtPicture : public PictureData {
public:
    explicit QtPicture(QImage image)
        : PictureData(image.width(), image.height()), image_(std::move(image)) {}
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

inline const QImage* imageOf(const Picture& p) {
    auto* q = dynamic_cast<const QtPicture*>(p.get());
    return q ? &q->image() : nullptr;
}

}  // namespace ui::qt
