#include <QFontDatabase>
#include <QStringList>
#include <cmath>

#include "ui/qt/convert.h"

namespace ui::qt {

namespace {

bool tahomaRegistered = false;

QString familyFor(std::string_view name) {
    if (name == "Tahoma") return tahomaRegistered ? "Tahoma" : "DejaVu Sans";
    if (name == "Arial") return "Liberation Sans";
    if (name == "Times New Roman") return "Liberation Serif";
    return "DejaVu Sans";
}

}  // namespace

void registerFonts() {
    const QStringList tahoma = {"/usr/share/wine/fonts/tahoma.ttf",
                                "/usr/share/wine/fonts/tahomabd.ttf"};
    for (const QString& file : tahoma)
        if (QFontDatabase::addApplicationFont(file) >= 0) tahomaRegistered = true;
    if (!tahomaRegistered) tahomaRegistered = QFontDatabase::hasFamily("Tahoma");
}

QFont toQFont(const Font& font) {
    QFont f(familyFor(font.name));
    f.setStyleHint(QFont::SansSerif);
    // Points at 96 pixels to the inch, whatever the display claims.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * 96.0 / 72.0))));
    f.setBold(font.bold);
    return f;
}

}  // namespace ui::qt
