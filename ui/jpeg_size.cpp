#include "ui/jpeg_size.h"

namespace ui {

namespace {

int byteAt(std::string_view b, std::size_t i) { return static_cast<unsigned char>(b[i]); }

bool isFrameHeader(int marker) {
    // Start-of-frame markers; C4, C8 and CC share the range but are not frames.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

std::optional<Size> jpegSize(std::string_view b) {
    if (b.size() < 4 || byteAt(b, 0) != 0xFF || byteAt(b, 1) != 0xD8) return std::nullopt;
    // The whole file: its end marker among the last bytes.
    const std::size_t end = b.rfind("\xFF\xD9");
    if (end == std::string_view::npos || end + 32 < b.size()) return std::nullopt;
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (byteAt(b, at) != 0xFF) return std::nullopt;
        const int marker = byteAt(b, at + 1);
        if (marker == 0xFF) {
            ++at;  // fill byte
            continue;
        }
        const std::size_t length =
            static_cast<std::size_t>(byteAt(b, at + 2) << 8 | byteAt(b, at + 3));
        if (length < 2 || at + 2 + length > b.size()) return std::nullopt;
        if (isFrameHeader(marker)) {
            if (length < 7) return std::nullopt;
            const int height = byteAt(b, at + 5) << 8 | byteAt(b, at + 6);
            const int width = byteAt(b, at + 7) << 8 | byteAt(b, at + 8);
            if (width == 0 || height == 0 || width > 8192 || height > 8192) return std::nullopt;
            return Size{width, height};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

}  // namespace ui
