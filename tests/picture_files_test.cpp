#include <gtest/gtest.h>
#include <ostream>

#include <fstream>

#include "support/fake_platform.h"
#include "support/kit.h"
#include "ui/picture_files.h"

namespace fs = std::filesystem;

namespace {

using kit::PrintTo;

// Three folders as the program searches them: working, program, installed data.
class PictureFiles : public ::testing::Test {
protected:
    PictureFiles() {
        fs::remove_all(root);
        for (const char* f : {"work", "program", "data"}) fs::create_directories(root / f);
    }
    ~PictureFiles() override { fs::remove_all(root); }
    void put(const fs::path& relative, std::string_view bytes = "\xFF\xD8\xFF\xD9") {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative, std::ios::binary) << bytes;
    }
    std::vector<fs::path> folders() const {
        return {root / "work", root / "program", root / "data"};
    }

    fs::path root = fs::temp_directory_path() / ("quillon-pictures-" + std::to_string(::getpid()));
};

struct Lookup {
    const char* name;
    const char* stored;  // where the file is, under the test root
    const char* asked;   // how a screen writes it
    const char* found;   // expected, under the root; empty when not found
};

class PictureLookup : public PictureFiles, public ::testing::WithParamInterface<Lookup> {};

TEST_P(PictureLookup, ResolvesAsTheScreensWriteIt) {
    const Lookup& c = GetParam();
    put(c.stored);
    const auto file = ui::findPictureFile(c.asked, folders());
    if (std::string_view(c.found).empty()) {
        EXPECT_FALSE(file.has_value());
    } else {
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(*file, root / c.found);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PictureLookup,
    ::testing::Values(
        Lookup{"backslash", "work/Images/exit.jpg", "Images\\exit.jpg", "work/Images/exit.jpg"},
        Lookup{"smallInitial", "work/Images/check.jpg", "images\\check.jpg",
               "work/Images/check.jpg"},
        Lookup{"forwardSlash", "work/Images/check.jpg", "images/check.jpg",
               "work/Images/check.jpg"},
        Lookup{"fileCase", "work/opening/Start000.JPG", "opening\\start000.jpg",
               "work/opening/Start000.JPG"},
        Lookup{"programFolder", "program/Images/next.jpg", "Images\\next.jpg",
               "program/Images/next.jpg"},
        Lookup{"dataFolder", "data/Images/next.jpg", "Images\\next.jpg", "data/Images/next.jpg"},
        Lookup{"missing", "work/Images/next.jpg", "Images\\gone.jpg", ""},
        Lookup{"noClimbingOut", "work/secret.jpg", "Images\\..\\secret.jpg", ""},
        Lookup{"folderIsNoPicture", "work/Images/x/y.jpg", "Images\\x", ""}),
    kit::byName);

TEST_F(PictureFiles, WorkingFolderComesFirst) {
    put("data/Images/exit.jpg");
    put("work/Images/exit.jpg");
    EXPECT_EQ(ui::findPictureFile("Images\\exit.jpg", folders()), root / "work/Images/exit.jpg");
}

TEST_F(PictureFiles, EmptyPathIsNoPictureAndSucceeds) {
    FakePlatform platform;
    const auto picture = ui::loadPicture(platform, "");
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(*picture, nullptr);
}

TEST_F(PictureFiles, MissingOrUnreadableFailsAndSaysWhereItLooked) {
    FakePlatform platform;
    platform.folders = folders();
    put("work/Images/bad.jpg", "not a picture");
    for (const char* path : {"Images\\gone.jpg", "Images\\bad.jpg"}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(ui::loadPicture(platform, path).has_value()) << path;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(path), std::string::npos) << said;
        EXPECT_NE(said.find((root / "data").string()), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
}

// Every control showing a file shows one decoded picture, however it spells the path; once
// nothing shows it, it goes.
TEST_F(PictureFiles, OneDecodedPicturePerFileWhileShown) {
    FakePlatform platform;
    platform.folders = folders();
    put("work/Images/exit.jpg");
    ui::Picture first = *ui::loadPicture(platform, "Images\\exit.jpg");
    EXPECT_EQ(*ui::loadPicture(platform, "images/EXIT.jpg"), first);
    const std::weak_ptr<const ui::PictureData> kept = first;
    first.reset();
    EXPECT_TRUE(kept.expired());
}

TEST_F(PictureFiles, ABadPictureIsSaidOnceAndTriedAgainEachTime) {
    FakePlatform platform;
    platform.folders = folders();
    testing::internal::CaptureStderr();
    for (const char* path : {"Images\\gone.jpg", "images/GONE.jpg", "Images\\gone.jpg"})
        EXPECT_FALSE(ui::loadPicture(platform, path).has_value()) << path;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    put("work/Images/gone.jpg");
    EXPECT_TRUE(ui::loadPicture(platform, "Images\\gone.jpg").has_value());
}

}  // namespace
