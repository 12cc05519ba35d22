#include "qt/stroke_image.h"

#include "qt/convert.h"

namespace ui::qt {

void StrokeImage::draw(QPainter& p, const Stroke& s) const {
    // The pen is set only where it changes: a drawing is long runs of one pen.
    const QColor colour = toQColor(s.colour);
    if (p.pen().color() != colour || p.pen().widthF() != s.widthPx * scale_)
        p.setPen(QPen(colour, s.widthPx * scale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(toPixels(s.x1), toPixels(s.y1)) * scale_,
               QPointF(toPixels(s.x2), toPixels(s.y2)) * scale_);
}

void StrokeImage::paint(QPainter& painter, const Primitive& item) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize size(static_cast<int>(item.rect.width * ratio),
                     static_cast<int>(item.rect.height * ratio));
    if (image_.size() != size || image_.devicePixelRatio() != ratio || surface_ != item.surface ||
        scale_ != item.scale || ground_ != item.fill) {
        surface_ = item.surface, scale_ = item.scale, ground_ = item.fill;
        image_ = QImage(size, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(toQColor(ground_));
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing);
        for (const Stroke& s : surface_->strokes()) draw(p, s);
    }
    origin_ = {item.rect.left, item.rect.top};
    painter.drawImage(origin_, image_);
}

QRect StrokeImage::add(const Stroke& s) {
    if (image_.isNull()) return {};
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, s);
    const int reach = static_cast<int>(s.widthPx * scale_ / 2) + 2;
    return QRectF(QPointF(toPixels(s.x1), toPixels(s.y1)) * scale_,
                  QPointF(toPixels(s.x2), toPixels(s.y2)) * scale_)
        .normalized()
        .translated(origin_)
        .toAlignedRect()
        .adjusted(-reach, -reach, reach, reach);
}

}  // namespace ui::qt
