#include "qt/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>

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

QFont toQFont(const FontFace& face) {
    QFont f(familyFor(face.family));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(face.pixels);
    f.setBold(face.bold);
    return f;
}

double FontMeasure::width(const FontFace& face, std::string_view text) {
    std::string key = std::string(face.family) + '/' + std::to_string(face.pixels) +
                      (face.bold ? "b/" : "/") + std::string(text);
    if (auto it = known_.find(key); it != known_.end()) return it->second;
    if (known_.size() >= mostKept) known_.clear();
    const double w =
        QFontMetricsF(toQFont(face))
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    known_.emplace(std::move(key), w);
    return w;
}

}  // namespace ui::qt
