// Draws every picture the program loads, so the JPEG files beside it can be
// regenerated from source. Usage: picturegen OUTDIR (writes OUTDIR/Images and OUTDIR/opening).
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>
#include <vector>

namespace {

const QString kFontFamily = QStringLiteral("DejaVu Sans");
const QColor kScreenBlue(49, 135, 214);
const QColor kGold(255, 204, 64);

QFont boldFont(qreal pixelSize) {
    QFont font(kFontFamily);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixelSize));
    return font;
}

QPainterPath textPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Largest bold size at which every caption fits the box, so a row of buttons reads alike.
int fittingPixelSize(const QStringList& captions, qreal width, qreal height) {
    for (int size = 24; size > 6; --size) {
        bool fits = true;
        for (const QString& caption : captions) {
            const QRectF bounds = textPath(caption, boldFont(size)).boundingRect();
            fits = fits && bounds.width() <= width && bounds.height() <= height;
        }
        if (fits) return size;
    }
    return 6;
}

// White-on-dark lettering: a soft shadow, a dark outline, then the fill, centred in the box.
void drawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& outline) {
    QPainterPath path = textPath(text, font);
    path.translate(box.center() - path.boundingRect().center());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path.translated(1.0, 1.5), QColor(0, 0, 0, 110));
    painter.strokePath(path, QPen(outline, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, fill);
    painter.restore();
}

QImage buttonFace(const QString& caption, const QColor& base, int pixelSize) {
    QImage image(119, 33, QImage::Format_RGB32);
    image.fill(kScreenBlue);  // the corners blend into the screen colour behind the buttons
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF face(0.5, 0.5, 118, 32);
    QPainterPath shape;
    shape.addRoundedRect(face, 7, 7);
    QLinearGradient shade(0, 0, 0, 33);
    shade.setColorAt(0.0, base.lighter(145));
    shade.setColorAt(0.45, base);
    shade.setColorAt(1.0, base.darker(135));
    painter.fillPath(shape, shade);

    // A light upper rim and a dark lower rim give the face its bevel.
    QPainterPath rim;
    rim.addRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), 5.5, 5.5);
    painter.save();
    painter.setClipRect(QRectF(0, 0, 119, 16));
    painter.strokePath(rim, QPen(QColor(255, 255, 255, 120), 1.2));
    painter.setClipRect(QRectF(0, 17, 119, 16));
    painter.strokePath(rim, QPen(QColor(0, 0, 0, 70), 1.2));
    painter.restore();
    painter.strokePath(shape, QPen(base.darker(200), 1.0));

    drawOutlinedText(painter, face.adjusted(8, 4, -8, -4), caption, boldFont(pixelSize), Qt::white,
                     base.darker(260));
    return image;
}

QPointF polar(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

// The dodecahedron's planar drawing: outer pentagon 0-4, middle decagon 5-14, inner pentagon 15-19.
void drawDodecahedron(QPainter& painter, const QPointF& centre, qreal size) {
    std::array<QPointF, 20> vertex;
    for (int i = 0; i < 5; ++i) {
        const qreal angle = 90 + 72 * i;
        vertex[i] = polar(centre, size, angle);
        vertex[5 + 2 * i] = polar(centre, size * 0.62, angle);
        vertex[6 + 2 * i] = polar(centre, size * 0.62, angle + 36);
        vertex[15 + i] = polar(centre, size * 0.36, angle + 36);
    }
    std::vector<std::pair<int, int>> edges;
    for (int i = 0; i < 5; ++i) {
        edges.emplace_back(i, (i + 1) % 5);
        edges.emplace_back(i, 5 + 2 * i);
        edges.emplace_back(15 + i, 15 + (i + 1) % 5);
        edges.emplace_back(15 + i, 6 + 2 * i);
    }
    for (int j = 0; j < 10; ++j) edges.emplace_back(5 + j, 5 + (j + 1) % 10);

    painter.setPen(QPen(QColor(170, 200, 255, 150), 1.2));
    for (const auto& [from, to] : edges) painter.drawLine(vertex[from], vertex[to]);

    // One Hamiltonian circuit, picked out in gold.
    constexpr std::array<int, 20> circuit{0, 1, 2, 3,  4,  13, 12, 11, 10, 9,
                                          8, 7, 6, 15, 16, 17, 18, 19, 14, 5};
    QPolygonF tour;
    for (const int index : circuit) tour << vertex[index];
    painter.setPen(QPen(kGold, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(tour);

    painter.setPen(QPen(QColor(90, 50, 0), 0.8));
    painter.setBrush(QColor(255, 236, 170));
    for (const QPointF& point : vertex) painter.drawEllipse(point, 2.6, 2.6);
}

QImage openingPicture() {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient night(QPointF(160, 110), 230);
    night.setColorAt(0.0, QColor(30, 40, 92));
    night.setColorAt(1.0, QColor(8, 12, 36));
    painter.fillRect(image.rect(), night);

    drawDodecahedron(painter, QPointF(98, 112), 78);

    // A right triangle with its square on the hypotenuse named.
    const QPolygonF triangle{QPointF(196, 150), QPointF(296, 150), QPointF(296, 82)};
    painter.setPen(QPen(QColor(255, 140, 90), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 140, 90, 40));
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 140, 90), 1.2));
    painter.drawPolyline(QPolygonF{QPointF(286, 150), QPointF(286, 140), QPointF(296, 140)});

    // A circle with its radius drawn in.
    const QPointF hub(250, 48);
    painter.setPen(QPen(QColor(120, 220, 200), 1.8));
    painter.drawEllipse(hub, 28, 28);
    painter.drawLine(hub, polar(hub, 28, 30));
    painter.setBrush(QColor(120, 220, 200));
    painter.drawEllipse(hub, 2, 2);

    painter.setPen(QColor(255, 230, 160));
    painter.setFont(boldFont(15));
    painter.drawText(QRectF(190, 154, 120, 22), Qt::AlignCenter, QStringLiteral("a² + b² = c²"));

    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPixelSize(30);
    painter.setFont(serif);
    painter.setPen(QColor(160, 235, 255));
    painter.drawText(QRectF(196, 182, 110, 44), Qt::AlignCenter, QStringLiteral("√2"));

    drawOutlinedText(painter, QRectF(10, 204, 180, 30), QStringLiteral("Quillon IV"), boldFont(24),
                     kGold, QColor(60, 30, 0));
    return image;
}

QImage introBackground() {
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0.0, QColor(49, 135, 215));
    sky.setColorAt(1.0, QColor(14, 44, 112));
    painter.fillRect(image.rect(), sky);

    // A faint squared-paper grid below the title band.
    painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = 20; x < 620; x += 40) painter.drawLine(x, 90, x, 590);
    for (int y = 90; y < 600; y += 40) painter.drawLine(20, y, 620, y);

    // Large translucent figures kept clear of the tab column and the title.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 3));
    painter.drawEllipse(QPointF(200, 260), 130, 130);
    painter.drawLine(QPointF(200, 260), polar(QPointF(200, 260), 130, 35));

    painter.setPen(QPen(QColor(255, 230, 140, 38), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(QPolygonF{QPointF(300, 500), QPointF(600, 500), QPointF(600, 300)});
    painter.drawPolyline(QPolygonF{QPointF(580, 500), QPointF(580, 480), QPointF(600, 480)});

    QPainterPath wave;
    wave.moveTo(20, 170);
    for (int x = 20; x <= 620; x += 4) wave.lineTo(x, 170 + 40 * std::sin((x - 20) / 60.0));
    painter.setPen(QPen(QColor(160, 230, 255, 45), 3));
    painter.drawPath(wave);

    painter.setBrush(QColor(255, 255, 255, 14));
    painter.setPen(QPen(QColor(255, 255, 255, 30), 2));
    painter.drawPolygon(
        QPolygonF{polar(QPointF(470, 200), 70, 90), polar(QPointF(470, 200), 70, 162),
                  polar(QPointF(470, 200), 70, 234), polar(QPointF(470, 200), 70, 306),
                  polar(QPointF(470, 200), 70, 18)});
    return image;
}

QImage logo() {
    QImage image(100, 139, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient card(0, 0, 0, 139);
    card.setColorAt(0.0, QColor(26, 42, 96));
    card.setColorAt(1.0, QColor(10, 18, 50));
    painter.fillRect(image.rect(), card);
    painter.setPen(QPen(kGold, 2));
    painter.drawRect(QRectF(2, 2, 96, 135));

    // A V of two facets, light and shade, with a quill rising from its point.
    const QPointF tip(50, 92);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.drawPolygon(QPolygonF{QPointF(16, 22), QPointF(34, 22), tip});
    painter.setBrush(QColor(200, 140, 30));
    painter.drawPolygon(QPolygonF{QPointF(84, 22), QPointF(66, 22), tip});

    QPainterPath feather;
    feather.moveTo(50, 86);
    feather.cubicTo(46, 60, 54, 32, 72, 10);
    feather.cubicTo(66, 36, 60, 62, 50, 86);
    painter.setBrush(Qt::white);
    painter.drawPath(feather);
    painter.setPen(QPen(QColor(26, 42, 96), 1.0));
    painter.drawLine(QPointF(50, 86), QPointF(68, 16));

    drawOutlinedText(painter, QRectF(4, 104, 92, 26), QStringLiteral("Velmora"), boldFont(17),
                     Qt::white, QColor(10, 18, 50));
    return image;
}

bool save(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "JPEG");
    writer.setQuality(90);
    // Huffman tables made for each picture: the same pixels in a sixth fewer bytes.
    writer.setOptimizedWrite(true);
    if (writer.write(image)) return true;
    std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturegen OUTDIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);

    struct Button {
        const char* file;
        QString caption;
        QColor colour;
    };
    const std::array<Button, 5> buttons{{
        {"exit", QStringLiteral("Exit"), QColor(196, 40, 40)},
        {"next", QStringLiteral("Next"), QColor(34, 150, 60)},
        {"solution", QStringLiteral("Solution"), QColor(226, 120, 16)},
        {"check", QStringLiteral("Check"), QColor(120, 60, 170)},
        {"jotter", QStringLiteral("Jotter"), QColor(30, 90, 200)},
    }};
    QStringList captions;
    for (const Button& button : buttons) captions << button.caption;
    const int pixelSize = fittingPixelSize(captions, 119 - 20, 33 - 10);

    bool ok = true;
    for (const Button& button : buttons)
        ok = save(buttonFace(button.caption, button.colour, pixelSize),
                  out + "/Images/" + button.file + ".jpg") &&
             ok;
    ok = save(openingPicture(), out + "/opening/start000.jpg") && ok;
    ok = save(introBackground(), out + "/Images/pellam0.jpg") && ok;
    ok = save(logo(), out + "/Images/logo2.jpg") && ok;
    return ok ? 0 : 1;
}
