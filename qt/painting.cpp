#include "qt/painting.h"

#include <algorithm>
#include <cmath>

#include "qt/convert.h"
#include "qt/qt_picture.h"

namespace ui::qt {

namespace {

Qt::Alignment textAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
        case Alignment::Centre: return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void paintLabel(QPainter& p, const Control& c) {
    const QRectF r = pixelRect(c);
    if (c.opaque()) p.fillRect(r, toQColor(c.backColour()));
    QRectF text = r;
    if (c.border()) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        text = r.adjusted(2, 1, -2, -1);
    }
    const QFont font = toQFont(c.font());
    p.setFont(font);
    text.setTop(text.top() + ascentShortfall(font));
    const int flags = static_cast<int>(textAlignment(c.alignment())) | Qt::TextWordWrap;
    const QString caption = QString::fromStdString(c.caption());
    if (!c.enabled()) {
        // The usual greyed look: grey text over a white shadow.
        p.setPen(Qt::white);
        p.drawText(text.translated(1, 1), flags, caption);
        p.setPen(QColor(128, 128, 128));
    } else {
        p.setPen(toQColor(c.foreColour()));
    }
    p.drawText(text, flags, caption);
}

// A level or upright line lands on whole device pixels, as the window system draws it: each
// end and its place across round to a pixel, an odd width is centred on that pixel and an even
// one on its leading edge, and the pen's square covers both end pixels. Any other line is
// smoothed. In projector mode the width scales with the view.
void paintLine(QPainter& p, const Control& c) {
    const QTransform view = p.worldTransform();
    const qreal ratio = p.device()->devicePixelRatioF();
    QPointF from = view.map(QPointF(toPixels(c.x1()), toPixels(c.y1()))) * ratio;
    QPointF to = view.map(QPointF(toPixels(c.x2()), toPixels(c.y2()))) * ratio;
    const int width =
        std::max(1, static_cast<int>(std::lround(c.borderWidth() * view.m11() * ratio)));
    const bool level = c.y1() == c.y2();
    const bool upright = c.x1() == c.x2();
    auto snap = [width](double v) { return std::round(v) + (width % 2 ? 0.5 : 0.0); };
    Qt::PenCapStyle cap = Qt::RoundCap;
    // A line of no length stays a round dot.
    if (level != upright) {
        cap = Qt::FlatCap;
        const double across = snap(level ? from.y() : from.x());
        const double a = level ? from.x() : from.y();
        const double b = level ? to.x() : to.y();
        // Flat ends half the pen beyond the end pixels: whole pixels, and dashes keep their
        // pattern.
        const double out = (b < a ? -width : width) / 2.0;
        from = level ? QPointF(snap(a) - out, across) : QPointF(across, snap(a) - out);
        to = level ? QPointF(snap(b) + out, across) : QPointF(across, snap(b) + out);
    }
    p.save();
    p.resetTransform();
    p.setPen(QPen(toQColor(c.foreColour()), width / ratio,
                  c.dashed() ? Qt::DashLine : Qt::SolidLine, cap));
    p.drawLine(from / ratio, to / ratio);
    p.restore();
}

void paintCircle(QPainter& p, const Control& c) {
    // Width 0 is a disc without a border line.
    if (c.borderWidth() > 0)
        p.setPen(QPen(toQColor(c.foreColour()), c.borderWidth()));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(toQColor(c.backColour()));
    const QRectF r = pixelRect(c);
    const double side = std::min(r.width(), r.height());
    p.drawEllipse(QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
}

void paintImage(QPainter& p, const Control& c) {
    if (const QImage* image = imageOf(c.picture())) p.drawImage(pixelRect(c).topLeft(), *image);
}

}  // namespace

void paintWindowless(QPainter& painter, const Screen& screen, const Control* container,
                     const QRegion& dirty) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const auto& owned : screen.controls()) {
        const Control& c = *owned;
        if (c.container() != container || !c.visible() || isWindowed(c.kind())) continue;
        const QRect area = toPixelRect(c.drawnArea());
        if (!dirty.intersects(area)) continue;
        painter.save();
        // Only the part to repaint: a long line crossing a small area costs that area.
        painter.setClipRegion(dirty.intersected(area));
        switch (c.kind()) {
            case ControlKind::Label: paintLabel(painter, c); break;
            case ControlKind::Line: paintLine(painter, c); break;
            case ControlKind::Circle: paintCircle(painter, c); break;
            case ControlKind::Image: paintImage(painter, c); break;
            // Windowed: their widgets draw them.
            case ControlKind::Button:
            case ControlKind::OptionButton:
            case ControlKind::CheckBox:
            case ControlKind::Frame:
            case ControlKind::PictureBox: break;
        }
        painter.restore();
    }
}

}  // namespace ui::qt
