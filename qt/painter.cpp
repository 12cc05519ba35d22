#include "qt/painter.h"

#include <algorithm>
#include <cmath>

#include "qt/convert.h"
#include "qt/fonts.h"
#include "qt/qt_picture.h"
#include "ui/repaint_reach.h"

namespace ui::qt {

namespace {

using Kind = Primitive::Kind;

QRectF toQRectF(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

// The primitive within `clip`, which lies inside its own.
void paintWithin(QPainter& p, const Primitive& item, const PixelRect& clip, StrokeImage* strokes) {
    const QRectF r = toQRectF(item.rect);
    const QColor colour = toQColor(item.colour);
    // Cut before smoothing, which would make the clip a mask.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(toQRectF(clip));
    // Rectangles keep to whole pixels; pens and discs are smoothed.
    p.setRenderHint(QPainter::Antialiasing, item.kind == Kind::Line || item.kind == Kind::Ellipse);
    switch (item.kind) {
        case Kind::Fill: p.fillRect(r, colour); break;
        case Kind::Outline: {
            const double w = item.width;
            p.fillRect(QRectF(r.left(), r.top(), r.width(), w), colour);
            p.fillRect(QRectF(r.left(), r.bottom() - w, r.width(), w), colour);
            p.fillRect(QRectF(r.left(), r.top() + w, w, r.height() - 2 * w), colour);
            p.fillRect(QRectF(r.right() - w, r.top() + w, w, r.height() - 2 * w), colour);
            break;
        }
        case Kind::Text:
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setFont(toQFont(item.face));
            p.setPen(colour);
            p.drawText(QPointF(item.x1, item.y1), QString::fromStdString(item.text));
            break;
        case Kind::Line: {
            QPen pen(colour, item.width, Qt::SolidLine,
                     item.cap == LineCap::Round ? Qt::RoundCap : Qt::FlatCap);
            // Qt counts a dash in pen widths.
            if (item.dash > 0)
                pen.setDashPattern({item.dash / item.width, item.dash / 2 / item.width});
            p.setPen(pen);
            p.drawLine(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2));
            break;
        }
        case Kind::Ellipse:
            p.setPen(item.width > 0 ? QPen(colour, item.width) : QPen(Qt::NoPen));
            p.setBrush(item.filled ? QBrush(toQColor(item.fill)) : QBrush());
            p.drawEllipse(r);
            break;
        case Kind::Picture:
            if (const QImage* image = imageOf(item.picture)) {
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(r, *image);
            }
            break;
        case Kind::Strokes:
            if (strokes) strokes->paint(p, item);
            break;
    }
}

}  // namespace

void paintPrimitive(QPainter& p, const Primitive& item, StrokeImage* strokes) {
    paintWithin(p, item, item.clip, strokes);
}

void paint(QPainter& p, const DisplayList& list, const QRegion& region, StrokeImage* strokes) {
    const auto toPixelRect = [](const QRectF& r) {
        return PixelRect{r.x(), r.y(), r.width(), r.height()};
    };
    const PixelRect bounds = toPixelRect(region.boundingRect());
    for (const Primitive& item : list.items) {
        const PixelRect reach = reachOf(item);
        if (!reach.intersects(bounds)) continue;
        // A pen's path costs the same however little of it shows: a line once, over all the
        // parts it reaches; anything else part by part.
        QRectF over;
        for (const QRect& part : region) {
            const PixelRect clip = intersected(item.clip, toPixelRect(part));
            if (!clip.intersects(reach)) continue;
            if (item.kind == Kind::Line)
                over |= toQRectF(clip);
            else
                paintWithin(p, item, clip, strokes);
        }
        if (!over.isEmpty()) paintWithin(p, item, toPixelRect(over), strokes);
    }
}

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
    painter.drawImage(QPointF(item.rect.left, item.rect.top), image_);
}

bool StrokeImage::add(const Stroke& s) {
    if (image_.isNull()) return false;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, s);
    return true;
}

}  // namespace ui::qt
