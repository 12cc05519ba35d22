#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/convert.h"
#include "qt/fonts.h"
#include "qt/painter.h"
#include "qt/qt_platform.h"
#include "ui/display_list.h"
#include "ui/screen.h"

// Lines painted as a window paints them, from the display list, at the design size and under
// projector views, each pixel checked against where the window system's rounding puts the line.
namespace {

struct Device {
    double scale;
    QPointF offset;  // logical pixels, before the scale
    double ratio;    // device pixels to a logical one
    // A display on which a screen of 240 pixels square takes that scale and offset.
    ui::Size display() const {
        return {static_cast<int>(std::lround((240 * scale + 2 * offset.x()) * ui::twipsPerPixel)),
                static_cast<int>(std::lround((240 * scale + 2 * offset.y()) * ui::twipsPerPixel))};
    }
};
const Device devices[] = {
    {1, {0, 0}, 1},
    {1, {0, 0}, 2},
    {1024.0 / 792, {0, 22.1}, 1},
    {1.36, {7.3, 0}, 1},
    {1080.0 / 566, {14.6, 0}, 1},
};

const QRgb ground = qRgb(240, 240, 240);
const QRgb ink = qRgb(0, 0, 255);

class LinePixels : public ::testing::Test {
protected:
    // One line alone on a device, through the list and the painting every window uses.
    QImage paint(ui::Screen& screen, const Device& d) {
        screen.setProjected(d.scale != 1, d.display());
        QImage image(QSize(240, 240), QImage::Format_RGB32);
        image.setDevicePixelRatio(d.ratio);
        QPainter p(&image);
        const ui::DisplayList list =
            ui::displayList(screen, {0, 0, 240 / d.ratio, 240 / d.ratio}, d.ratio, measure);
        ui::qt::paint(p, list, QRegion(0, 0, 1000, 1000), nullptr);
        return image;
    }
    // The device pixels the window system fills for a level or upright line: its place across
    // and its ends each round to a pixel, and a pen of w pixels square covers w pixels round
    // each, an even pen leaning to the lower side.
    static QRect wholePixels(const ui::View& v, double ratio, int pen, bool level, double across,
                             double a, double b) {
        const auto pixel = [&](double twips, double offset) {
            return static_cast<int>(
                std::lround((ui::qt::toPixels(twips) * v.scale + offset) * ratio));
        };
        const int w = std::max(1, static_cast<int>(std::lround(pen * v.scale * ratio)));
        const QPointF offset(ui::qt::toPixels(v.offsetX), ui::qt::toPixels(v.offsetY));
        const QPointF shift = level ? offset : offset.transposed();
        const int centre = pixel(across, shift.y());
        const int lo = std::min(pixel(a, shift.x()), pixel(b, shift.x())) - w / 2;
        const int hi = std::max(pixel(a, shift.x()), pixel(b, shift.x())) + (w - 1) / 2;
        const QRect along(QPoint(lo, centre - w / 2), QPoint(hi, centre + (w - 1) / 2));
        return level ? along : QRect(along.y(), along.x(), along.height(), along.width());
    }

    ui::qt::QtPlatform platform;
    ui::qt::FontMeasure measure;
    const ui::ScreenDesign square{
        .clientWidth = 3600, .clientHeight = 3600, .backColour = ui::rgb(240, 240, 240)};
};

// Every width at every twip of a pixel, level and upright, solid and dashed, ends either way:
// one full-tone band of whole pixels where rounding puts it, the pen's square on both end
// pixels, inside the area reported for repainting, and nothing else touched.
TEST_F(LinePixels, LevelAndUprightLinesFillWholePixelsWhereRoundingPutsThem) {
    for (const bool dashed : {false, true}) {
        // clang-format off
        const ui::ControlDesign design[] = {
            {.kind = ui::ControlKind::Line, .name = "Edge", .foreColour = ui::rgb(0, 0, 255), .dashed = dashed}};
        // clang-format on
        ui::Screen screen(platform, "lines", square, design);
        ui::Control& line = screen.control("Edge");
        for (const Device& d : devices)
            for (int pen = 1; pen <= 4; ++pen)
                for (const bool level : {true, false})
                    for (int r = 0; r < ui::twipsPerPixel; ++r) {
                        const double across = 450 + r;
                        double a = 300 + (r + 5) % ui::twipsPerPixel;
                        double b = 900 + (r + 10) % ui::twipsPerPixel;
                        if (r % 2) std::swap(a, b);
                        line.setBorderWidth(pen);
                        if (level)
                            line.setEnds(a, across, b, across);
                        else
                            line.setEnds(across, a, across, b);
                        const QImage image = paint(screen, d);
                        const ui::View v = screen.view();
                        const QRect expected = wholePixels(v, d.ratio, pen, level, across, a, b);
                        const ui::TwipRect drawn = line.drawnArea();
                        const QRectF area =
                            QRectF(ui::qt::toPixels(drawn.left), ui::qt::toPixels(drawn.top),
                                   ui::qt::toPixels(drawn.width), ui::qt::toPixels(drawn.height))
                                .toAlignedRect();
                        const QRectF reach(
                            (area.topLeft() * v.scale +
                             QPointF(ui::qt::toPixels(v.offsetX), ui::qt::toPixels(v.offsetY))) *
                                d.ratio,
                            area.size() * v.scale * d.ratio);
                        const auto where = [&] {
                            return ::testing::Message()
                                   << "scale " << v.scale << " ratio " << d.ratio << " pen " << pen
                                   << (level ? " level" : " upright") << (dashed ? " dashed" : "")
                                   << " r " << r;
                        };
                        EXPECT_TRUE(reach.contains(QRectF(expected))) << where();
                        int inked = 0, gaps = 0;
                        for (int y = 0; y < image.height(); ++y)
                            for (int x = 0; x < image.width(); ++x) {
                                const QRgb seen = image.pixel(x, y);
                                if (!expected.contains(x, y)) {
                                    if (seen != ground)
                                        ADD_FAILURE() << where() << " outside " << x << "," << y;
                                } else if (seen == ink) {
                                    ++inked;
                                } else if (seen == ground && dashed) {
                                    ++gaps;
                                } else {
                                    ADD_FAILURE() << where() << " inside " << x << "," << y;
                                }
                            }
                        EXPECT_GT(inked, 0) << where();
                        EXPECT_EQ(gaps > 0, dashed) << where();
                        if (HasFailure()) return;
                    }
    }
}

// A slanting line is still smoothed, at every scale.
TEST_F(LinePixels, SlantingLineKeepsItsHalfTones) {
    // clang-format off
    const ui::ControlDesign design[] = {{.kind = ui::ControlKind::Line, .name = "Edge",
                                         .foreColour = ui::rgb(0, 0, 255), .x1 = 300, .y1 = 310,
                                         .x2 = 1200, .y2 = 905}};
    // clang-format on
    ui::Screen screen(platform, "lines", square, design);
    for (const Device& d : devices) {
        const QImage image = paint(screen, d);
        int halfTones = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                halfTones += image.pixel(x, y) != ink && image.pixel(x, y) != ground;
        EXPECT_GT(halfTones, 40) << d.scale;
    }
}

}  // namespace
