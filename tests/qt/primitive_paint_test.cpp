// Each kind of primitive painted alone by the backend's painter, every pixel checked against
// where the primitive says it lies: full tone where it surely covers, the ground where it
// surely does not, and only the smoothed rims left free.
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

#include "qt/painter.h"
#include "qt/qt_picture.h"
#include "support/kit.h"

namespace {

using kit::PrintTo;
using Kind = ui::Primitive::Kind;

constexpr int side = 40;
const ui::PixelRect all{0, 0, side, side};
const QColor ground(255, 255, 255);
const ui::Colour brick = ui::rgb(200, 30, 0);
const ui::Colour navy = ui::rgb(0, 10, 220);
const QColor brickInk(200, 30, 0);
const QColor navyInk(0, 10, 220);

// What a pixel (by its centre) must be; none where smoothing may blend.
using Oracle = std::function<std::optional<QColor>(double x, double y)>;

struct Row {
    const char* name;
    ui::Primitive item;
    Oracle oracle;
    int leastInk = 1;  // pixels painted at least
};

bool inside(double x, double y, double l, double t, double r, double b) {
    return x > l && x < r && y > t && y < b;
}
Oracle box(double l, double t, double r, double b, QColor ink) {
    return [=](double x, double y) { return inside(x, y, l, t, r, b) ? ink : ground; };
}
// A disc centred at (cx, cy): `fill` to `r - edge`, then `ink` to `r`, with a pixel of rim left
// free either side of each boundary.
Oracle disc(double cx, double cy, double r, double edge, QColor fill, QColor ink) {
    return [=](double x, double y) -> std::optional<QColor> {
        const double d = std::hypot(x - cx, y - cy);
        if (d < r - edge - 1) return fill;
        if (edge >= 3 && d > r - edge + 1 && d < r - 1) return ink;
        if (d > r + 1) return ground;
        return std::nullopt;
    };
}

ui::Primitive line(double x1, double y1, double x2, double y2, double width, double dash = 0) {
    return {.kind = Kind::Line,
            .clip = all,
            .colour = brick,
            .width = width,
            .x1 = x1,
            .y1 = y1,
            .x2 = x2,
            .y2 = y2,
            .cap = ui::LineCap::Flat,
            .dash = dash};
}

// A picture of four colours, two pixels square.
ui::Picture quarters() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::green);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::black);
    return std::make_shared<ui::qt::QtPicture>(image);
}

const Row rows[] = {
    {"Fill",
     {.kind = Kind::Fill, .clip = all, .rect = {5, 6, 20, 10}, .colour = brick},
     box(5, 6, 25, 16, brickInk)},
    {"FillInsideItsClip",
     {.kind = Kind::Fill, .clip = {10, 0, 5, side}, .rect = {5, 6, 20, 10}, .colour = brick},
     box(10, 6, 15, 16, brickInk)},
    {"OutlineBand",
     {.kind = Kind::Outline, .clip = all, .rect = {5, 5, 20, 14}, .colour = brick, .width = 3},
     [](double x, double y) {
         return inside(x, y, 5, 5, 25, 19) && !inside(x, y, 8, 8, 22, 16) ? brickInk : ground;
     }},
    // Level and upright lines as the list gives them: odd widths centred on a pixel, even ones
    // on a pixel's edge, flat ends at the ends given.
    {"LevelOdd", line(4, 10.5, 30, 10.5, 1), box(4, 10, 30, 11, brickInk)},
    {"LevelEven", line(4, 10, 30, 10, 2), box(4, 9, 30, 11, brickInk)},
    {"UprightOdd", line(7.5, 3, 7.5, 33, 3), box(6, 3, 9, 33, brickInk)},
    {"UprightEven", line(20, 33, 20, 5, 4), box(18, 5, 22, 33, brickInk)},
    // Dashes `dash` long, gaps half that, from the start.
    {"Dashed", line(2, 20, 38, 20, 2, 8),
     [](double x, double y) {
         const bool on = x > 2 && x < 38 && std::fmod(x - 2, 12) < 8;
         return inside(x, y, 0, 19, side, 21) && on ? brickInk : ground;
     }},
    {"Disc",
     {.kind = Kind::Ellipse, .clip = all, .rect = {4, 4, 30, 30}, .fill = navy, .filled = true},
     disc(19, 19, 15, 0, navyInk, navyInk)},
    {"DiscWithEdge",
     {.kind = Kind::Ellipse,
      .clip = all,
      .rect = {4, 4, 30, 30},
      .colour = brick,
      .fill = navy,
      .filled = true,
      .width = 6},
     disc(19, 19, 18, 6, navyInk, brickInk)},
    {"Picture",
     {.kind = Kind::Picture, .clip = all, .rect = {10, 10, 20, 20}, .picture = quarters()},
     [](double x, double y) -> std::optional<QColor> {
         if (!inside(x, y, 10, 10, 30, 30)) return ground;
         // Each corner pixel is its quarter's colour; smoothing blends between them.
         if (inside(x, y, 10, 10, 11, 11)) return QColor(Qt::red);
         if (inside(x, y, 29, 10, 30, 11)) return QColor(Qt::green);
         if (inside(x, y, 10, 29, 11, 30)) return QColor(Qt::blue);
         if (inside(x, y, 29, 29, 30, 30)) return QColor(Qt::black);
         return std::nullopt;
     }},
    // Ink only above the baseline, from the start point on, within an em of it.
    {"Text",
     {.kind = Kind::Text,
      .clip = all,
      .colour = navy,
      .x1 = 6,
      .y1 = 30,
      .face = {"Tahoma", 20, true},
      .text = "HI"},
     [](double x, double y) -> std::optional<QColor> {
         if (y > 30 || x < 6 || y < 30 - 20) return ground;
         return std::nullopt;
     },
     20},
};

class PrimitivePaint : public ::testing::TestWithParam<Row> {};

TEST_P(PrimitivePaint, CoversWhatTheListSaysAndNothingElse) {
    const Row& row = GetParam();
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(ground);
    {
        QPainter p(&image);
        ui::qt::paintPrimitive(p, row.item);
    }
    int inked = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QColor seen = image.pixelColor(x, y);
            inked += seen != ground;
            if (const std::optional<QColor> wanted = row.oracle(x + 0.5, y + 0.5)) {
                EXPECT_EQ(seen, *wanted) << x << "," << y;
            }
        }
    EXPECT_GE(inked, row.leastInk);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PrimitivePaint, ::testing::ValuesIn(rows), kit::byName);

}  // namespace
