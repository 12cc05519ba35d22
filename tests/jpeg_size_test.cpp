#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "support/kit.h"
#include "ui/jpeg_size.h"

namespace {

using kit::PrintTo;

// A marker segment with its length, then a frame header's body: precision, height, width.
std::string segment(int marker, const std::string& body) {
    const std::size_t n = body.size() + 2;
    return std::string{'\xFF', char(marker), char(n >> 8), char(n & 0xFF)} + body;
}
std::string frame(int width, int height) {
    return segment(0xC0, {8, char(height >> 8), char(height), char(width >> 8), char(width), 1});
}

std::string said(std::optional<ui::Size> size) {
    return size ? std::to_string(size->width) + "x" + std::to_string(size->height) : "none";
}

const std::string start = "\xFF\xD8", end = "\xFF\xD9";

struct Row {
    const char* name;
    std::string bytes;
    const char* want;
};

const Row rows[] = {
    {"Baseline", start + frame(40, 30) + end, "40x30"},
    {"TablesAndFillBytesBeforeTheFrame", start + segment(0xC4, "") + "\xFF" + frame(7, 9) + end,
     "7x9"},
    {"AFewBytesAfterTheEnd", start + frame(3, 4) + end + std::string(30, 0), "3x4"},
    {"EndTooFarFromTheLastByte", start + frame(3, 4) + end + std::string(40, 0), "none"},
    {"NoStartMarker", frame(40, 30) + end, "none"},
    {"TooWide", start + frame(8193, 30) + end, "none"},
    {"LengthPastTheEnd", start + std::string("\xFF\xE0\x7F\x00", 4) + end, "none"},
    {"NotAMarkerWhereOneIsDue", start + "junk" + frame(4, 4) + end, "none"},
};

class JpegSize : public ::testing::TestWithParam<Row> {};

TEST_P(JpegSize, ReadsTheFrameOfAWholeFileOnly) {
    const Row& row = GetParam();
    EXPECT_EQ(said(ui::jpegSize(row.bytes)), row.want);
}

INSTANTIATE_TEST_SUITE_P(Rows, JpegSize, ::testing::ValuesIn(rows), kit::byName);

TEST(JpegSize, EveryShippedPictureHasOne) {
    for (const char* file :
         {"Images/check.jpg", "Images/exit.jpg", "Images/jotter.jpg", "Images/logo2.jpg",
          "Images/next.jpg", "Images/pellam0.jpg", "Images/solution.jpg", "opening/start000.jpg"}) {
        std::ifstream in(std::string(QUILLON_SOURCE_DIR) + "/" + file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_NE(said(ui::jpegSize(bytes)), "none") << file;
    }
}

}  // namespace
