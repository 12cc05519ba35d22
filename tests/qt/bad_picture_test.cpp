#include <gtest/gtest.h>
#include <unistd.h>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/registry.h"
#include "program/screens.h"
#include "qt/qt_platform.h"
#include "support/kit.h"
#include "ui/twips.h"

namespace fs = std::filesystem;

namespace {

// Every picture file the program reads, as stored beside it.
const std::string pictureFiles[] = {
    "Images/exit.jpg",   "Images/next.jpg",  "Images/solution.jpg", "Images/check.jpg",
    "Images/jotter.jpg", "Images/logo2.jpg", "Images/pellam0.jpg",  "opening/start000.jpg",
};

enum class Damage { Missing, Empty, Truncated, Garbage };
const Damage damages[] = {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::Garbage};

std::string nameOf(Damage d) {
    switch (d) {
        case Damage::Missing: return "Missing";
        case Damage::Empty: return "Empty";
        case Damage::Truncated: return "Truncated";
        case Damage::Garbage: return "Garbage";
    }
    return {};
}

void PrintTo(Damage d, std::ostream* os) { *os << nameOf(d); }

void damage(const fs::path& file, Damage d) {
    if (d == Damage::Missing) {
        fs::remove(file);
        return;
    }
    std::string bytes;
    if (d == Damage::Truncated) {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        bytes.resize(bytes.size() / 2);
    } else if (d == Damage::Garbage) {
        // Framed as a JPEG, so that the decoder itself meets the garbage.
        bytes = "\xFF\xD8\xFF\xE0";
        for (int i = 0; i < 4000; ++i) bytes += static_cast<char>((i * 7919 + 13) % 251);
        bytes += "\xFF\xD9";
    }
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A screen opened as the user reaches it, and a click that shows it works.
struct Visit {
    std::vector<std::string> opened;  // the last one is the screen visited
    std::string control;
    int index = -1;
    std::string shownAfter;  // on view after the click; empty: the screen is gone
};

const Visit visits[] = {
    {{"Titlefrm"}, "Command1", -1, "intro0"},
    {{"intro0"}, "Label2", 0, "menu1"},
    {{"menu1"}, "Command1", -1, "intro0"},
    {{"menu2"}, "Command1", -1, "intro0"},
    {{"menu3"}, "Command1", -1, "intro0"},
    {{"menu4"}, "Command1", -1, "intro0"},
    {{"menu5"}, "Command1", -1, "intro0"},
    {{"menu1", "hamilton"}, "cmdjotter", -1, "jotter"},
    {{"menu1", "hamilton"}, "cmdexit", -1, "menu1"},
    {{"menu1", "surds"}, "cmdexit", -1, "menu1"},
    {{"menu5", "reflections"}, "cmdexit", -1, "menu5"},
    {{"menu1", "hamilton", "jotter"}, "Command1", -1, ""},
};

// The pictures come from one folder only: the test's copy, damaged.
class OneFolderPlatform : public ui::qt::QtPlatform {
public:
    explicit OneFolderPlatform(fs::path folder) : folder_(std::move(folder)) {}
    std::vector<fs::path> pictureFolders() const override { return {folder_}; }

private:
    fs::path folder_;
};

using BadPictureRow = std::tuple<std::string, Damage>;

class BadPicture : public testing::TestWithParam<BadPictureRow> {
protected:
    BadPicture() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* sub : {"Images", "opening"})
            fs::copy(fs::path(QUILLON_SOURCE_DIR) / sub, folder / sub, fs::copy_options::recursive);
        damage(folder / std::get<0>(GetParam()), std::get<1>(GetParam()));
        registerScreens(registry);
    }
    ~BadPicture() override { fs::remove_all(folder); }

    // Opens the screens as the user would, clicks the control with a real Qt click in its
    // window, and tells whether the click did what it does.
    bool works(const Visit& v) {
        for (const ui::Screen* s : registry.loadedScreens()) registry.unload(s->name());
        for (const std::string& name : v.opened) registry.deliver([&] { registry.show(name); });
        QCoreApplication::processEvents();
        const ui::Screen& screen = registry.screen(v.opened.back());
        const ui::Control& c = screen.control(v.control, v.index);
        const kit::ScreenPoint at = kit::screenOrigin(c);
        const int x = at.x + c.width() / 2;
        const int y = at.y + c.height() / 2;
        QWindow* window = platform.windowOf(screen)->windowHandle();
        QTest::mouseClick(window, Qt::LeftButton, {},
                          QPoint(x / ui::twipsPerPixel, y / ui::twipsPerPixel));
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (v.shownAfter.empty()) return !registry.isLoaded(v.opened.back());
        return registry.isLoaded(v.shownAfter) && registry.screen(v.shownAfter).shown();
    }

    // One folder per process: ctest runs rows side by side.
    fs::path folder =
        fs::temp_directory_path() / ("quillon-bad-pictures-" + std::to_string(::getpid()));
    OneFolderPlatform platform{folder};
    Registry registry{platform};
};

TEST_P(BadPicture, EveryScreenWorksAndTheFileIsNamedOnce) {
    testing::internal::CaptureStderr();
    for (const Visit& v : visits) {
        if (!std::ranges::all_of(v.opened, [&](const auto& n) { return registry.has(n); }))
            continue;
        EXPECT_TRUE(works(v)) << v.opened.back() << "." << v.control;
    }
    const std::string said = testing::internal::GetCapturedStderr();

    const std::string file = fs::path(std::get<0>(GetParam())).filename().string();
    int naming = 0;
    int ours = 0;
    std::istringstream lines(said);
    for (std::string line; std::getline(lines, line);) {
        naming += line.find(file) != std::string::npos ? 1 : 0;
        ours += line.starts_with("quillon:") ? 1 : 0;
    }
    EXPECT_EQ(naming, 1) << said;
    EXPECT_EQ(ours, 1) << said;
}

INSTANTIATE_TEST_SUITE_P(EveryPictureFile, BadPicture,
                         testing::Combine(testing::ValuesIn(pictureFiles),
                                          testing::ValuesIn(damages)),
                         [](const auto& info) {
                             std::string name = fs::path(std::get<0>(info.param)).stem().string();
                             name[0] = static_cast<char>(std::toupper(name[0]));
                             return name + nameOf(std::get<1>(info.param));
                         });

}  // namespace
