// Texts laid out beyond their clip, as the page's tests are told of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/kit.h"
#include "ui/screen.h"
#include "ui/text_overflow.h"

namespace {

using kit::PrintTo;

// Every letter half an em wide.
class HalfEm : public ui::TextMeasure {
public:
    double width(const ui::FontFace& f, std::string_view text) override {
        return static_cast<double>(text.size()) * f.pixels / 2;
    }
};

struct Row {
    const char* name;
    double x, y;  // the run's start on its baseline; its clip is 10,10 40x20, its face 10 px
    const char* text;
    const char* want;   // the line said, or none
    bool owned = true;  // a control's, not the window's own
};

const Row rows[] = {
    {"Inside", 10, 25, "abcdefgh", ""},
    {"WithinAPixelOfTheRight", 11, 25, "abcdefgh", ""},
    {"PastTheRight", 15, 25, "abcdefgh",
     "L[2]: \"abcdefgh\" (5.0 px outside its 40.0x20.0 clip; 40.0 wide at 5.0,15.0)"},
    {"CapitalsAboveTheTop", 10, 15, "ab",
     "L[2]: \"ab\" (2.0 px outside its 40.0x20.0 clip; 10.0 wide at 0.0,5.0)"},
    {"BaselineBelowTheBottom", 10, 34, "ab",
     "L[2]: \"ab\" (4.0 px outside its 40.0x20.0 clip; 10.0 wide at 0.0,24.0)"},
    {"TheWindowsOwnIsNotAControls", 15, 25, "abcdefgh", "", false},
};

class TextOverflow : public ::testing::TestWithParam<Row> {};

TEST_P(TextOverflow, NamesEachRunOutsideItsClip) {
    const Row& row = GetParam();
    FakePlatform platform;
    const ui::ControlDesign controls[] = {{.name = "L", .index = 2}};
    const ui::Screen screen{platform, "s", {.clientWidth = 3000, .clientHeight = 3000}, controls};
    ui::Primitive p;
    p.kind = ui::Primitive::Kind::Text;
    p.control = row.owned ? &screen.control("L", 2) : nullptr;
    p.clip = {10, 10, 40, 20};
    p.face.pixels = 10;
    p.x1 = row.x, p.y1 = row.y;
    p.text = row.text;
    HalfEm measure;
    const std::vector<std::string> said = ui::overflowingTexts({{0, 0, 100, 100}, {p}}, measure);
    EXPECT_EQ(said, row.want[0] ? std::vector<std::string>{row.want} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Rows, TextOverflow, ::testing::ValuesIn(rows), kit::byName);

}  // namespace
