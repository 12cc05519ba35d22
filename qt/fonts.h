#pragma once
#include <QFont>
#include <string>
#include <unordered_map>

#include "ui/display_list.h"

namespace ui::qt {

// Tahoma from Wine's fonts when present, else DejaVu Sans; Liberation for Arial and
// Times New Roman; at the face's pixels.
QFont toQFont(const FontFace& face);

// How wide Qt draws a text in a face, remembered: a screen asks the same few texts again at
// every repaint.
class FontMeasure : public TextMeasure {
public:
    double width(const FontFace& face, std::string_view text) override;

private:
    // A day of lessons meets a few thousand texts: past this many it starts afresh.
    static constexpr std::size_t mostKept = 4096;
    std::unordered_map<std::string, double> known_;
};

}  // namespace ui::qt
