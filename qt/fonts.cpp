#include "qt/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <map>
#include <tuple>

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

const QFont& toQFont(const FontFace& face) {
    // The families are the design's literal names, so a face's view of one stays valid.
    static std::map<std::tuple<std::string_view, int, bool>, QFont> made;
    const auto key = std::make_tuple(face.family, face.pixels, face.bold);
    if (auto it = made.find(key); it != made.end()) return it->second;
    // Sizes come from displays: a handful in a day, but never without end.
    if (made.size() >= 256) made.clear();
    QFont f(familyFor(face.family));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(face.pixels);
    f.setBold(face.bold);
    return made.emplace(key, f).first->second;
}

double FontMeasure::width(const FontFace& face, std::string_view text) {
    const std::size_t hash = std::hash<std::string_view>()(text) ^
                             std::hash<std::string_view>()(face.family) * 31 ^
                             static_cast<std::size_t>(face.pixels * 2 + face.bold) << 40;
    const auto it = known_.find(hash);
    if (it != known_.end() && it->second.face == face && it->second.text == text)
        return it->second.width;
    if (known_.size() >= mostKept) known_.clear();
    const double w =
        QFontMetricsF(toQFont(face))
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    known_[hash] = {face, std::string(text), w};
    return w;
}

}  // namespace ui::qt
