#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/kit.h"
#include "ui/jpeg_size.h"

namespace {

using kit::PrintTo;

// A marker segment: FF, the marker, a two-byte length that counts itself, then the body.
std::string segment(int marker, const std::string& body) {
    const std::size_t length = body.size() + 2;
    return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           body;
}

// A frame header's body: precision, height, width, one component.
std::string frame(int width, int height) {
    return std::string{8,
                       static_cast<char>(height >> 8),
                       static_cast<char>(height & 0xFF),
                       static_cast<char>(width >> 8),
                       static_cast<char>(width & 0xFF),
                       1,
                       1,
                       0x11,
                       0};
}

const std::string start = "\xFF\xD8";
const std::string end = "\xFF\xD9";
const std::string app0 = segment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
const std::string table = segment(0xC4, std::string(20, '\x01'));  // C4 is not a frame

struct Row {
    const char* name;
    std::string bytes;
    int width = 0;  // 0: none
    int height = 0;
};

const Row rows[] = {
    {"Baseline", start + app0 + segment(0xC0, frame(40, 30)) + end, 40, 30},
    {"Progressive", start + app0 + segment(0xC2, frame(640, 480)) + end, 640, 480},
    {"TableBeforeTheFrameIsSkipped", start + table + segment(0xC0, frame(7, 9)) + end, 7, 9},
    {"FillBytesBeforeAMarker", start + "\xFF\xFF" + segment(0xC0, frame(5, 6)) + end, 5, 6},
    {"LargestSide", start + segment(0xC0, frame(8192, 1)) + end, 8192, 1},
    {"EndFollowedByAFewBytes", start + segment(0xC0, frame(3, 4)) + end + std::string(30, 0), 3, 4},
    {"EndTooFarFromTheLastByte", start + segment(0xC0, frame(3, 4)) + end + std::string(40, 0)},
    {"NoStartMarker", app0 + segment(0xC0, frame(40, 30)) + end},
    {"NoEndMarker", start + app0 + segment(0xC0, frame(40, 30))},
    {"NoFrame", start + app0 + end},
    {"ZeroWidth", start + segment(0xC0, frame(0, 30)) + end},
    {"TooWide", start + segment(0xC0, frame(8193, 30)) + end},
    {"LengthPastTheEnd", start + std::string("\xFF\xE0\x7F\x00", 4) + end},
    {"LengthBelowItsOwnBytes",
     start + std::string("\xFF\xE0\x00\x01", 4) + segment(0xC0, frame(4, 4)) + end},
    {"ShortFrameHeader", start + segment(0xC0, std::string("\x08\x00", 2)) + end},
    {"NotAMarkerWhereOneIsDue", start + "junk" + segment(0xC0, frame(4, 4)) + end},
    {"Empty", ""},
};

class JpegSize : public ::testing::TestWithParam<Row> {};

TEST_P(JpegSize, ReadsTheFrameHeaderOfAWholeFileOnly) {
    const Row& row = GetParam();
    const std::optional<ui::Size> size = ui::jpegSize(row.bytes);
    if (row.width == 0) {
        EXPECT_FALSE(size) << size->width << "x" << size->height;
    } else {
        ASSERT_TRUE(size);
        EXPECT_EQ(size->width, row.width);
        EXPECT_EQ(size->height, row.height);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, JpegSize, ::testing::ValuesIn(rows), kit::byName);

// Every picture the program ships is one it can show.
TEST(JpegSize, EveryShippedPictureHasASize) {
    for (const char* file :
         {"Images/check.jpg", "Images/exit.jpg", "Images/jotter.jpg", "Images/logo2.jpg",
          "Images/next.jpg", "Images/pellam0.jpg", "Images/solution.jpg", "opening/start000.jpg"}) {
        std::ifstream in(std::string(QUILLON_SOURCE_DIR) + "/" + file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const std::optional<ui::Size> size = ui::jpegSize(bytes);
        EXPECT_TRUE(size && size->width > 0 && size->height > 0) << file;
    }
}

}  // namespace
