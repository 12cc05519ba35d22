#pragma once
#include <QFont>
#include <string>
#include <unordered_map>

#include "ui/display_list.h"

namespace ui::qt {

// Tahoma from Wine's fonts when present, else DejaVu Sans; Liberation for Arial and
// Times New Roman; at the face's pixels. Remembered: a repaint asks for a few faces often.
const QFont& toQFont(const FontFace& face);

// How wide Qt draws a text in a face, remembered: a screen asks the same few texts again at
// every repaint.
class FontMeasure : public TextMeasure {
public:
    double width(const FontFace& face, std::string_view text) override;

private:
    struct Known {
        FontFace face;
        std::string text;
        double width;
    };
    // A day of lessons meets a few thousand texts: past this many it starts afresh. Found by
    // hash, so that a look-up copies nothing.
    static constexpr std::size_t mostKept = 4096;
    std::unordered_map<std::size_t, Known> known_;
};

}  // namespace ui::qt
