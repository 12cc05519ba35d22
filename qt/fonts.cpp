#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>
#include <cmath>
#include <map>
#include <tuple>

#include "qt/convert.h"

namespace ui::qt {

namespace {

// Reading the font files costs start-up time the title screen does not need: done on first use.
bool tahomaAvailable() {
    static const bool available = [] {
        bool registered = false;
        for (const char* file :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            if (QFontDatabase::addApplicationFont(file) >= 0) registered = true;
        return registered || QFontDatabase::hasFamily("Tahoma");
    }();
    return available;
}

QString familyFor(std::string_view name) {
    if (name == "Tahoma") return tahomaAvailable() ? "Tahoma" : "DejaVu Sans";
    if (name == "Arial") return "Liberation Sans";
    if (name == "Times New Roman") return "Liberation Serif";
    return "DejaVu Sans";
}

}  // namespace

QFont toQFont(const Font& font, double scale) {
    QFont f(familyFor(font.name));
    f.setStyleHint(QFont::SansSerif);
    // Points at 96 pixels to the inch, whatever the display claims.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * 96.0 / 72.0 * scale))));
    f.setBold(font.bold);
    return f;
}

qreal ascentShortfall(const QFont& font) {
    static std::map<std::tuple<QString, int, bool>, qreal> known;
    const auto key = std::make_tuple(font.family(), font.pixelSize(), font.bold());
    if (auto it = known.find(key); it != known.end()) return it->second;
    qreal shortfall = 0;
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() >= 76 && raw.unitsPerEm() > 0) {
        const int winAscent =
            static_cast<unsigned char>(os2[74]) << 8 | static_cast<unsigned char>(os2[75]);
        const qreal windows = winAscent * raw.pixelSize() / raw.unitsPerEm();
        shortfall = std::max<qreal>(0, std::round(windows - QFontMetricsF(font).ascent()));
    }
    known.emplace(key, shortfall);
    return shortfall;
}

}  // namespace ui::qt
