#include "surds/surds.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "app/colours.h"
#include "app/registry.h"
#include "app/setupform.h"
#include "surds/surd_answers.h"
#include "surds/surd_speech.h"

namespace surd {

namespace {

using ui::Alignment;
using ui::ControlDesign;
using ui::ControlKind;

constexpr ui::Colour white = ui::rgb(255, 255, 255);

const ui::Font heading{"Tahoma", 26.25, false};
const ui::Font option{"Tahoma", 9.75, true};
const ui::Font question{"Tahoma", 36, false};
const ui::Font answer{"Tahoma", 32.25, false};
const ui::Font sheet{"Tahoma", 15.75, false};
const ui::Font boxCaption{"Tahoma", 12, false};

const ui::ScreenDesign design = {
    .caption = "Surds",
    .clientWidth = 11880,
    .clientHeight = 8490,
    .backColour = standardBlue,
};

// clang-format off
ControlDesign box(const char* name, int left, int top, int width, int height,
                  const char* caption = "") {
    return {.kind = ControlKind::Frame, .name = name, .caption = caption, .left = left,
            .top = top, .width = width, .height = height, .font = boxCaption,
            .foreColour = white};
}

ControlDesign text(const char* name, const char* frame, const char* caption, int left, int top,
                   int width, int height, ui::Font font, ui::Colour colour,
                   Alignment alignment = Alignment::Left, int index = -1) {
    return {.name = name, .index = index, .caption = caption, .left = left, .top = top,
            .width = width, .height = height, .font = font, .foreColour = colour,
            .opaque = false, .alignment = alignment, .container = frame};
}

ControlDesign stroke(const char* name, int index, const char* frame, double x1, double y1,
                     double x2, double y2, ui::Colour colour, int width, bool visible = true) {
    return {.kind = ControlKind::Line, .name = name, .index = index, .foreColour = colour,
            .visible = visible, .container = frame, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2,
            .borderWidth = width};
}

// A member of Line1, the root signs and fraction bars of the question and answer boxes.
ControlDesign line1(int index, const char* frame, double x1, double y1, double x2, double y2,
                    ui::Colour colour, bool visible = true) {
    return stroke("Line1", index, frame, x1, y1, x2, y2, colour, 3, visible);
}

// A root sign of the puzzle sheet over the text of a label at (left, top): tick, rising
// stroke and a bar that runs to barEnd, as members first, first + 1 and first + 2 of Line2.
void sheetRoot(std::vector<ControlDesign>& rows, int first, int left, int top, int barEnd,
               ui::Colour colour) {
    rows.push_back(
        stroke("Line2", first, "Frame12", left - 255, top + 270, left - 150, top + 330, colour, 2));
    rows.push_back(stroke("Line2", first + 1, "Frame12", left - 150, top + 330, left - 15, top - 15,
                          colour, 2));
    rows.push_back(
        stroke("Line2", first + 2, "Frame12", left - 15, top - 15, barEnd, top - 15, colour, 2));
}

std::vector<ControlDesign> surdsControls() {
    constexpr Alignment centred = Alignment::Centre;
    constexpr Alignment right = Alignment::Right;
    std::vector<ControlDesign> rows = {
        text("Label19", "", "Simplify...", 1155, 315, 8430, 780, heading, yellow),
        box("Frame1", 9225, 4050, 2220, 2640),
        {.kind = ControlKind::OptionButton, .name = "Option1", .caption = "Simplifying surds",
         .left = 150, .top = 225, .width = 1965, .height = 304, .font = option,
         .foreColour = yellow, .value = 1, .container = "Frame1"},
        {.kind = ControlKind::OptionButton, .name = "Option2", .caption = "Denominators 1",
         .left = 150, .top = 697, .width = 1935, .height = 304, .font = option,
         .foreColour = yellow, .container = "Frame1"},
        {.kind = ControlKind::OptionButton, .name = "Option3", .caption = "Denominators 2",
         .left = 150, .top = 1169, .width = 1860, .height = 304, .font = option,
         .foreColour = yellow, .container = "Frame1"},
        {.kind = ControlKind::OptionButton, .name = "Option4", .caption = "Brackets",
         .left = 150, .top = 1641, .width = 1365, .height = 304, .font = option,
         .foreColour = yellow, .container = "Frame1"},
        {.kind = ControlKind::OptionButton, .name = "Option5", .caption = "Puzzles",
         .left = 150, .top = 2115, .width = 1365, .height = 304, .font = option,
         .foreColour = yellow, .container = "Frame1"},
        {.kind = ControlKind::Button, .name = "cmdgo", .left = 195, .top = 150, .width = 1020,
         .height = 420},
        {.kind = ControlKind::Button, .name = "cmdjotter", .left = 345, .top = 525,
         .width = 1020, .height = 420},
        {.kind = ControlKind::Button, .name = "cmdsoln", .left = 3825, .top = 45, .width = 1650,
         .height = 420},
        {.kind = ControlKind::Button, .name = "cmdexit", .left = 8175, .top = 30, .width = 1125,
         .height = 420},

        // Kind 1: the root of N. Four digits need a wider label and a bar of their own.
        box("Frame3", 3390, 1455, 4500, 1140),
        text("Label1", "Frame3", "999", 1935, 60, 1650, 765, question, yellow),
        line1(2, "Frame3", 1515, 645, 1650, 765, yellow),
        line1(1, "Frame3", 1650, 750, 1965, 120, yellow),
        line1(7, "Frame3", 1965, 120, 2340, 120, yellow),
        line1(8, "Frame3", 1965, 120, 2745, 120, yellow),
        line1(0, "Frame3", 1965, 120, 3150, 120, yellow),
        line1(42, "Frame3", 1965, 120, 3555, 120, yellow, false),
        box("Frame2", 3660, 3870, 3960, 1350, "Answer"),
        text("Label3", "Frame2", "", 495, 255, 1170, 795, answer, white, right),
        line1(5, "Frame2", 1725, 825, 1860, 945, white),
        line1(4, "Frame2", 1860, 930, 2175, 300, white),
        line1(6, "Frame2", 2190, 300, 2535, 300, white),
        line1(3, "Frame2", 2190, 300, 2880, 300, white),
        text("Label2", "Frame2", "", 2145, 255, 855, 765, answer, white),

        // Kind 2: a over the root of p, and its three answer boxes.
        box("Frame4", 3375, 1455, 4500, 2100),
        text("Label5", "Frame4", "", 1770, 150, 630, 795, question, yellow, centred),
        line1(17, "Frame4", 1470, 1035, 2730, 1035, yellow),
        line1(13, "Frame4", 1320, 1650, 1455, 1770, yellow),
        line1(12, "Frame4", 1470, 1815, 1785, 1185, yellow),
        line1(9, "Frame4", 1785, 1185, 2520, 1185, yellow),
        text("Label4", "Frame4", "", 1700, 1110, 870, 765, question, yellow, centred),
        box("Frame5", 3660, 3870, 3960, 2460, "Answer"),
        text("Label6", "Frame5", "", 960, 255, 705, 795, answer, white, right),
        line1(11, "Frame5", 1725, 825, 1860, 945, white),
        line1(14, "Frame5", 1860, 930, 2175, 300, white),
        line1(15, "Frame5", 2190, 300, 2805, 300, white),
        line1(10, "Frame5", 2190, 300, 2535, 300, white, false),
        line1(48, "Frame5", 2190, 300, 2880, 300, white, false),
        text("Label7", "Frame5", "", 2115, 255, 765, 765, answer, white, centred),
        line1(16, "Frame5", 1065, 1095, 2850, 1095, white),
        text("Label8", "Frame5", "", 1605, 1140, 705, 705, answer, white, centred),
        box("Frame6", 3660, 3870, 3960, 2460, "Answer"),
        line1(21, "Frame6", 1425, 870, 1560, 990, white),
        line1(20, "Frame6", 1560, 975, 1875, 345, white),
        line1(19, "Frame6", 1890, 345, 2400, 345, white),
        line1(22, "Frame6", 1890, 345, 2235, 345, white, false),
        line1(47, "Frame6", 1890, 345, 2580, 345, white, false),
        text("Label11", "Frame6", "", 1850, 300, 705, 705, answer, white, centred),
        line1(18, "Frame6", 1200, 1095, 2985, 1095, white),
        text("Label9", "Frame6", "", 1755, 1140, 705, 705, answer, white, centred),
        box("Frame7", 3660, 3870, 3960, 1354, "Answer"),
        line1(24, "Frame7", 1425, 870, 1560, 990, white),
        line1(25, "Frame7", 1560, 975, 1875, 345, white),
        line1(26, "Frame7", 1890, 345, 2400, 345, white),
        line1(23, "Frame7", 1890, 345, 2235, 345, white, false),
        text("Label10", "Frame7", "", 1830, 300, 705, 705, answer, white, centred),

        // Kind 3: 1 over (a plus or minus the root of b).
        box("Frame8", 3360, 1455, 4500, 2100),
        text("Label12", "Frame8", "1", 1770, 105, 630, 795, question, yellow, centred),
        line1(27, "Frame8", 690, 1035, 3750, 1035, yellow),
        text("Label14", "Frame8", "", 915, 1155, 630, 795, question, yellow, centred),
        text("Label15", "Frame8", "", 1770, 1155, 630, 795, question, yellow, centred),
        line1(28, "Frame8", 2445, 1695, 2580, 1815, yellow),
        line1(29, "Frame8", 2595, 1860, 2910, 1230, yellow),
        line1(30, "Frame8", 2910, 1230, 3645, 1230, yellow),
        text("Label13", "Frame8", "", 2820, 1155, 870, 765, question, yellow, centred),
        box("Frame9", 3660, 3870, 3960, 2460, "Answer"),
        text("Label18", "Frame9", "", 630, 285, 705, 705, answer, white, centred),
        text("Label20", "Frame9", "", 1440, 285, 705, 705, answer, white, centred),
        line1(32, "Frame9", 2220, 870, 2355, 990, white),
        line1(33, "Frame9", 2355, 975, 2670, 345, white),
        line1(34, "Frame9", 2685, 345, 3345, 345, white),
        line1(31, "Frame9", 2685, 345, 3030, 345, white, false),
        text("Label16", "Frame9", "", 2640, 300, 705, 705, answer, white, centred),
        line1(35, "Frame9", 645, 1095, 3420, 1095, white),
        text("Label17", "Frame9", "", 1755, 1140, 705, 705, answer, white, centred),

        // Kind 4: two brackets multiplied.
        box("Frame10", 3345, 1455, 7095, 1354),
        text("Label24", "Frame10", "(", 100, 150, 360, 1035, question, yellow, centred, 1),
        text("Label22", "Frame10", "", 330, 225, 630, 795, question, yellow, centred),
        text("Label21", "Frame10", "", 1200, 225, 630, 795, question, yellow, centred),
        line1(39, "Frame10", 1875, 765, 2010, 885, yellow),
        line1(38, "Frame10", 2025, 930, 2340, 300, yellow),
        line1(37, "Frame10", 2340, 300, 3075, 300, yellow),
        text("Label23", "Frame10", "", 2250, 225, 870, 765, question, yellow, centred),
        text("Label24", "Frame10", ")", 3105, 150, 360, 1035, question, yellow, centred, 3),
        text("Label24", "Frame10", "(", 3360, 150, 360, 1035, question, yellow, centred, 0),
        text("Label26", "Frame10", "", 3555, 240, 630, 795, question, yellow, centred),
        text("Label25", "Frame10", "", 4410, 240, 630, 795, question, yellow, centred),
        line1(41, "Frame10", 5085, 780, 5220, 900, yellow),
        line1(40, "Frame10", 5235, 945, 5550, 315, yellow),
        line1(36, "Frame10", 5550, 315, 6285, 315, yellow),
        text("Label27", "Frame10", "", 5460, 240, 870, 765, question, yellow, centred),
        text("Label24", "Frame10", ")", 6375, 150, 360, 1035, question, yellow, centred, 2),
        box("Frame11", 3660, 3870, 3960, 1354, "Answer"),
        text("Label28", "Frame11", "", 255, 300, 2355, 705, answer, white, right),
        line1(45, "Frame11", 2685, 870, 2820, 990, white),
        line1(44, "Frame11", 2820, 975, 3135, 345, white),
        line1(43, "Frame11", 3150, 345, 3810, 345, white),
        line1(46, "Frame11", 3150, 345, 3495, 345, white, false),
        text("Label29", "Frame11", "", 3105, 300, 705, 705, answer, white, centred),

        // Kind 5: the puzzle sheet, rows alternately yellow and white.
        box("Frame12", 150, 195, 8835, 7665),
        text("Label30", "Frame12", "Find a pair of irrational numbers whose sum is rational", 90,
             270, 8145, 405, sheet, yellow),
        text("Label31", "Frame12",
             "Find a pair of irrational numbers whose difference is rational", 90, 926, 8640,
             405, sheet, white),
        text("Label32", "Frame12", "Find a pair of irrational numbers whose product is rational",
             90, 1582, 8640, 405, sheet, yellow),
        text("Label33", "Frame12",
             "Find a pair of irrational numbers whose quotient is rational", 90, 2238, 8640, 405,
             sheet, white),
        text("Label34", "Frame12", "Find", 90, 2894, 8685, 405, sheet, yellow),
        text("Label35", "Frame12", "Find a rational number between", 90, 3550, 4620, 405, sheet,
             white),
        text("Label36", "Frame12", "", 4950, 3550, 240, 405, sheet, white),
        text("Label38", "Frame12", "and", 5370, 3550, 600, 405, sheet, white),
        text("Label37", "Frame12", "", 6255, 3550, 240, 405, sheet, white),
        text("Label39", "Frame12", "Does", 90, 4170, 720, 405, sheet, yellow),
        text("Label41", "Frame12", "a + b = ", 1200, 4170, 1245, 405, sheet, yellow),
        text("Label40", "Frame12", "a +", 2655, 4170, 510, 405, sheet, yellow),
        text("Label42", "Frame12", "b ?", 3495, 4170, 450, 405, sheet, yellow),
        text("Label46", "Frame12", "Does", 90, 4800, 720, 405, sheet, white),
        text("Label44", "Frame12", "a - b = ", 1200, 4800, 1125, 405, sheet, white),
        text("Label45", "Frame12", "a -", 2535, 4800, 405, 405, sheet, white),
        text("Label43", "Frame12", "b ?", 3255, 4800, 450, 405, sheet, white),
        text("Label50", "Frame12", "Does", 90, 5595, 720, 405, sheet, yellow),
        text("Label48", "Frame12", "ab =", 1200, 5595, 705, 405, sheet, yellow),
        text("Label49", "Frame12", "a", 2220, 5595, 195, 405, sheet, yellow),
        text("Label47", "Frame12", "b ?", 2700, 5595, 450, 405, sheet, yellow),
        text("Label51", "Frame12", "Does", 90, 6510, 720, 405, sheet, white),
        text("Label53", "Frame12", "a", 1290, 6300, 300, 405, sheet, white, centred),
        text("Label55", "Frame12", "b", 1290, 6765, 300, 405, sheet, white, centred),
        text("Label56", "Frame12", "=", 1710, 6510, 270, 405, sheet, white),
        text("Label52", "Frame12", "a", 2415, 6300, 195, 405, sheet, white),
        text("Label54", "Frame12", "b", 2415, 6765, 195, 405, sheet, white),
        text("Label57", "Frame12", "?", 2760, 6510, 240, 405, sheet, white),
    };
    sheetRoot(rows, 0, 6255, 3550, 6465, white);
    sheetRoot(rows, 3, 4950, 3550, 5160, white);
    sheetRoot(rows, 6, 1200, 4170, 1995, yellow);
    sheetRoot(rows, 9, 2655, 4170, 2835, yellow);
    sheetRoot(rows, 12, 3495, 4170, 3690, yellow);
    sheetRoot(rows, 15, 3255, 4800, 3450, white);
    sheetRoot(rows, 18, 2535, 4800, 2715, white);
    sheetRoot(rows, 21, 1200, 4800, 1875, white);
    sheetRoot(rows, 24, 2700, 5595, 2895, yellow);
    sheetRoot(rows, 27, 2220, 5595, 2400, yellow);
    sheetRoot(rows, 30, 1200, 5595, 1575, yellow);
    // The tall root over the whole fraction a over b, and the fraction of two roots.
    rows.push_back(stroke("Line2", 33, "Frame12", 945, 7035, 1050, 7095, white, 2));
    rows.push_back(stroke("Line2", 34, "Frame12", 1050, 7095, 1260, 6270, white, 2));
    rows.push_back(stroke("Line2", 35, "Frame12", 1260, 6270, 1620, 6270, white, 2));
    sheetRoot(rows, 36, 2415, 6300, 2595, white);
    sheetRoot(rows, 39, 2415, 6765, 2610, white);
    rows.push_back(stroke("Line2", 42, "Frame12", 1290, 6690, 1590, 6690, white, 2));
    rows.push_back(stroke("Line2", 43, "Frame12", 2070, 6690, 2670, 6690, white, 2));
    return rows;
}
// clang-format on

const std::vector<ControlDesign> surdsDesign = surdsControls();

constexpr int optionCount = 5;
constexpr int frameCount = 12;  // Frame1 holds the options; the rest are question and answer boxes
constexpr int line1Count = 49;
// The labels the handlers write, by the number in their names.
constexpr int writtenLabels[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 14, 15, 16,
                                 17, 18, 19, 20, 21, 22, 23, 25, 26, 27, 28, 29, 34, 36, 37};
constexpr int headingLabel = 19;
// Frame2 to Frame11 show a question or answer in root signs and bars.
constexpr int firstMathsFrame = 2;
constexpr int lastMathsFrame = 11;
constexpr int answerFrames[] = {2, 5, 6, 7, 9, 11};

// Bars of which a question or answer shows one, by its radicand's digits.
constexpr int alternativeBars[] = {6, 3, 0, 7, 8, 42, 15, 48, 19, 47};
constexpr int kind1QuestionBars[] = {7, 8, 0, 42};
constexpr int kind1AnswerBars[] = {6, 3};

// Kind 2's answer boxes: a coefficient of 1 is left out, and so is a denominator of 1.
struct AnswerBox {
    int frame;
    int bars[2];  // by the radicand's digits
};
AnswerBox kind2Box(const Kind2Answer& answer) {
    if (answer.coefficient != 1) return {5, {15, 48}};
    if (answer.denominator != 1) return {6, {19, 47}};
    return {7, {26, 26}};
}

template <std::size_t N>
int bar(const int (&bars)[N], int radicand) {
    return bars[digits(radicand) - 1];
}

}  // namespace

surds::surds(Registry& registry)
    : ActivityScreen(registry, "surds", design, surdsDesign), cmdgo_(control("cmdgo")),
      cmdjotter_(control("cmdjotter")), cmdsoln_(control("cmdsoln")), cmdexit_(control("cmdexit")),
      line1_(members("Line1", line1Count)) {
    for (int n = 1; n <= optionCount; ++n)
        options_.push_back(&control("Option" + std::to_string(n)));
    for (int n = 1; n <= frameCount; ++n) frames_.push_back(&control("Frame" + std::to_string(n)));
    for (int n : writtenLabels) labels_[n] = &control("Label" + std::to_string(n));
    wireOptions({[this] { Option1_Click(); }, [this] { Option2_Click(); },
                 [this] { Option3_Click(); }, [this] { Option4_Click(); },
                 [this] { Option5_Click(); }});
    cmdgo_.onClick = [this](int) { cmdgo_Click(); };
    cmdsoln_.onClick = [this](int) { cmdsoln_Click(); };
    frame(1).setAccessibleName("Kind of question");
    // A screen reader reads each question and answer box whole, as words, not digit by digit.
    for (int n = firstMathsFrame; n <= lastMathsFrame; ++n) frame(n).setRole(ui::Role::Text);
    for (const auto& c : controls())
        if (c->container() && isMathsFrame(*c->container())) c->setRole(ui::Role::Hidden);
}

bool surds::isMathsFrame(const ui::Control& c) const {
    for (int n = firstMathsFrame; n <= lastMathsFrame; ++n)
        if (&frame(n) == &c) return true;
    return false;
}

void surds::Form_Load() {
    setupform(*this);
    setBackColour(boardBlue);
    for (ui::Control* option : options_) option->setBackColour(boardBlue);
    for (ui::Control* box : frames_) box->setBackColour(boardBlue);
    question_ = Kind1{};
    calculate();
}

void surds::chooseKind(const Question& kind) {
    question_ = kind;
    calculate();
}

void surds::Option1_Click() { chooseKind(Kind1{}); }
void surds::Option2_Click() { chooseKind(Kind2{}); }
void surds::Option3_Click() { chooseKind(Kind3{}); }
void surds::Option4_Click() { chooseKind(Kind4{}); }
void surds::Option5_Click() { chooseKind(Kind5{}); }

void surds::cmdgo_Click() { calculate(); }

void surds::calculate() {
    makevisible();
    ui::Random& random = registry_.random();
    random.reseedFromClock();
    pose(drawSameKind(question_, random));
}

void surds::pose(const Question& q) {
    question_ = q;
    std::visit([this](const auto& kind) { write(kind); }, q);
    nameMathsFrames();
    announce(label(headingLabel).caption() + " " + spokenQuestion(q));
}

void surds::makevisible() {
    cmdgo_.setTop(7950);
    cmdgo_.setTabStop(false);
    cmdjotter_.setTop(cmdgo_.top() - cmdjotter_.height() - 60);
    cmdjotter_.setTabStop(false);
    cmdsoln_.setTop(cmdjotter_.top() - cmdsoln_.height() - 60);
    cmdsoln_.setTabStop(false);
    for (int n = 2; n <= frameCount; ++n) frame(n).setVisible(false);
    for (int i : alternativeBars) line(i).setVisible(false);
    cmdgo_.setVisible(true);
    cmdsoln_.setVisible(true);
}

void surds::setText(int labelNumber, int value) const {
    label(labelNumber).setCaption(numberText(value));
}

void surds::write(const Kind1& q) {
    label(headingLabel).setCaption("Simplify...");
    frame(3).setVisible(true);
    setText(1, q.radicand());
    setText(3, q.n);
    setText(2, q.p());
    line(bar(kind1QuestionBars, q.radicand())).setVisible(true);
}

void surds::write(const Kind2& q) {
    label(headingLabel).setCaption("Rationalise the denominator...");
    frame(4).setVisible(true);
    setText(5, q.a);
    setText(4, q.p());
    const Kind2Answer answer = kind2Answer(q);
    if (kind2Box(answer).frame != 5) return;
    const bool fraction = answer.denominator != 1;
    frame(5).setHeight(fraction ? 2370 : 1470);
    line(16).setVisible(fraction);
    label(8).setVisible(fraction);
    setText(6, answer.coefficient);
    setText(7, answer.radicand);
    setText(8, answer.denominator);
}

void surds::write(const Kind3& q) {
    label(headingLabel).setCaption("Rationalise the denominator...");
    frame(8).setVisible(true);
    setText(13, q.b);
    setText(14, q.a);
    label(15).setCaption(std::string(1, q.sign()));
    const Kind3Answer answer = kind3Answer(q);
    setText(18, answer.rational);
    label(20).setCaption(std::string(1, answer.sign));
    setText(17, answer.denominator);
    setText(16, answer.radicand);
}

void surds::write(const Kind4& q) {
    label(headingLabel).setCaption("Simplify...");
    frame(10).setVisible(true);
    label(21).setCaption(std::string(1, q.firstSign()));
    label(25).setCaption(std::string(1, q.secondSign()));
    setText(22, q.a);
    setText(23, q.b);
    setText(26, q.e);
    setText(27, q.b);
    const Kind4Answer answer = kind4Answer(q);
    label(28).setCaption(numberText(answer.rational) + " " + answer.sign + " " +
                         numberText(answer.coefficient));
    setText(29, answer.radicand);
}

void surds::write(const Kind5& q) {
    cmdjotter_.setTop(cmdexit_.top());
    cmdgo_.setVisible(false);
    cmdsoln_.setVisible(false);
    label(headingLabel).setCaption("");
    label(34).setCaption("Find an irrational number between " + numberText(q.m) + " and " +
                         numberText(q.x));
    setText(36, q.k);
    setText(37, q.y);
    frame(12).setVisible(true);
}

// Every box says the question or answer it can show; only the boxes on view are read.
void surds::nameMathsFrames() {
    const std::string question = spokenQuestion(question_);
    const std::string answer = spokenAnswer(question_);
    for (int n = firstMathsFrame; n <= lastMathsFrame; ++n)
        frame(n).setAccessibleName(std::find(std::begin(answerFrames), std::end(answerFrames), n) !=
                                           std::end(answerFrames)
                                       ? answer
                                       : question);
}

// The answer is shown, and said: a pupil who cannot see it need not go looking for it.
void surds::cmdsoln_Click() {
    std::visit([this](const auto& q) { showAnswer(q); }, question_);
    announce("The answer is " + spokenAnswer(question_));
}

void surds::showAnswer(const Kind1& q) {
    frame(2).setVisible(true);
    line(bar(kind1AnswerBars, q.p())).setVisible(true);
}

void surds::showAnswer(const Kind2& q) {
    for (int n : {10, 11, 9}) setText(n, q.p());
    const Kind2Answer answer = kind2Answer(q);
    const AnswerBox box = kind2Box(answer);
    frame(box.frame).setVisible(true);
    line(bar(box.bars, answer.radicand)).setVisible(true);
}

void surds::showAnswer(const Kind3& q) {
    const int denominator = kind3Answer(q).denominator;
    const bool fraction = denominator != 1;
    frame(9).setHeight(fraction ? 2670 : 1470);
    label(17).setCaption(fraction ? numberText(denominator) : "");
    line(35).setVisible(fraction);
    frame(9).setVisible(true);
}

void surds::showAnswer(const Kind4&) { frame(11).setVisible(true); }

// The puzzle sheet has no solution button.
void surds::showAnswer(const Kind5&) {}

}  // namespace surd
