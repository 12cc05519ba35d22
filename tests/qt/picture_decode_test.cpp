#include <QBuffer>
#include <QImage>
#include <fstream>
#include <ostream>

#include "support/kit.h"
#include "support/qt_fixture.h"

namespace fs = std::filesystem;

namespace {

using kit::PrintTo;

QByteArray encoded(const char* format) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, format);
    return bytes;
}

struct BadFile {
    const char* name;
    QByteArray bytes;
};

class PictureDecode : public ::testing::TestWithParam<BadFile> {
protected:
    fs::path write(const QByteArray& bytes) {
        const fs::path file = fs::temp_directory_path() / "quillon-decode-test.jpg";
        std::ofstream(file, std::ios::binary).write(bytes.constData(), bytes.size());
        return file;
    }
    ui::qt::QtPlatform platform;
};

TEST_F(PictureDecode, ReadsAGoodJpeg) {
    const ui::Picture p = platform.decodePicture(write(encoded("JPEG")));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->widthPx(), 40);
    EXPECT_EQ(p->heightPx(), 30);
}

TEST_P(PictureDecode, RefusesABadFileWithoutCrashing) {
    EXPECT_EQ(platform.decodePicture(write(GetParam().bytes)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, PictureDecode,
    ::testing::Values(BadFile{"empty", QByteArray()},
                      BadFile{"truncated", encoded("JPEG").left(encoded("JPEG").size() / 2)},
                      BadFile{"headerOnly", encoded("JPEG").left(4)},
                      BadFile{"png", encoded("PNG")}, BadFile{"garbage", QByteArray(5000, '\x5a')},
                      BadFile{"jpegMarkersAroundGarbage",
                              QByteArray("\xFF\xD8\xFF\xE0garbage\xFF\xD9", 13)}),
    kit::byName);

TEST_F(PictureDecode, MissingFileIsNoPicture) {
    EXPECT_EQ(platform.decodePicture("/nonexistent/quillon.jpg"), nullptr);
}

}  // namespace
