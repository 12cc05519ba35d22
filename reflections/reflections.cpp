#include "reflections/reflections.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "app/colours.h"
#include "app/registry.h"
#include "app/setupform.h"
#include "reflections/check.h"
#include "reflections/grid.h"
#include "reflections/snap.h"
#include "ui/picture_files.h"

namespace {

using ui::Alignment;
using ui::ControlKind;
using ui::rgb;

// The system's 3-D face colour, the ground of the drawing area and its numbers.
constexpr ui::Colour face = rgb(240, 240, 240);
constexpr ui::Colour axisBlue = rgb(0, 0, 255);
constexpr ui::Colour gridGrey = rgb(128, 128, 128);
constexpr ui::Colour crossLineBlue = rgb(0, 0, 64);
constexpr ui::Colour white = rgb(255, 255, 255);

// Corner k of the object: its disc, the cross that answers it, their colour, the cross's home
// row, and the outline edges from the disc and from the cross to those of corner k + 1.
struct Corner {
    const char* disc;
    const char* cross;
    ui::Colour colour;
    const char* colourName;  // how a screen reader tells the corners apart
    int homeRow;
    const char* discEdge;
    const char* crossEdge;
};
constexpr std::array<Corner, 4> corners = {{
    {"Shapeblack", "Labelblack", rgb(255, 255, 0), "yellow", 6, "Line1", "Line5"},
    {"Shapepink", "Labelpink", rgb(192, 0, 192), "purple", 8, "Line2", "Line6"},
    {"Shapeblue", "Labelblue", rgb(255, 128, 0), "orange", 7, "Line3", "Line7"},
    {"Shapered", "Labelred", rgb(255, 0, 0), "red", 5, "Line4", "Line8"},
}};
constexpr int homeX = 8450;  // 350 right of the last column

const ui::Font question{"Tahoma", 20.25, false};
const ui::Font numbers{"Tahoma", 9, false};
const ui::Font crossFont{"Tahoma", 15.75, true};
const ui::Font instruction{"Tahoma", 15.75, false};
const ui::Font choice{"Tahoma", 9.75, true};

const ui::ScreenDesign design = {
    .caption = "Reflections",
    .clientWidth = 11880,
    .clientHeight = 8490,
    .backColour = standardBlue,
    .foreColour = yellow,
};

// clang-format off
ui::ControlDesign line(const char* name, int index, ui::Colour colour, double x1, double y1,
                       double x2, double y2) {
    return {.kind = ControlKind::Line, .name = name, .index = index, .foreColour = colour,
            .container = "Picturegraph", .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2};
}

ui::ControlDesign outline(const char* name, ui::Colour colour) {
    return {.kind = ControlKind::Line, .name = name, .foreColour = colour,
            .container = "Picturegraph", .borderWidth = 3};
}

ui::ControlDesign number(const char* name, const char* caption, int left, int top) {
    return {.name = name, .index = 0, .caption = caption, .left = left, .top = top,
            .width = 195, .height = 240, .font = numbers, .foreColour = axisBlue,
            .backColour = face, .alignment = Alignment::Centre, .container = "Picturegraph"};
}

ui::ControlDesign disc(const Corner& c, int side) {
    return {.kind = ControlKind::Circle, .name = c.disc, .width = side, .height = side,
            .foreColour = c.colour, .backColour = c.colour, .container = "Picturegraph",
            .borderWidth = 0};
}

ui::ControlDesign crossLabel(const Corner& c) {
    return {.name = c.cross, .caption = "X", .width = 210, .height = 374, .font = crossFont,
            .foreColour = c.colour, .opaque = false, .container = "Picturegraph"};
}

// Column 0 and row 0, where the grid's lines and ticks start.
constexpr double gridLeft = reflect::gridTables.x(reflect::gridMinX);
constexpr double gridTop = reflect::gridTables.y(reflect::gridMaxY);

const ui::ControlDesign reflectionsControls[] = {
    {.name = "Label3", .left = 45, .top = 0, .width = 11820, .height = 540, .font = question,
     .foreColour = yellow, .opaque = false},
    {.kind = ControlKind::PictureBox, .name = "Picturegraph", .left = 595, .top = 599,
     .width = 8894, .height = 7260, .backColour = face, .accessibleName = "Grid"},
    line("xgrid", 0, gridGrey, gridLeft, 100, gridLeft, 7110),
    line("ygrid", 0, gridGrey, 100, gridTop, 8090, gridTop),
    line("Linex", -1, axisBlue, 90, 3600, 8100, 3600),
    line("Liney", -1, axisBlue, 4100, 90, 4100, 7100),
    line("xcheck", 0, axisBlue, gridLeft, 3480, gridLeft, 3680),
    line("ycheck", 0, axisBlue, 3990, gridTop, 4210, gridTop),
    number("Label1", "", 45, 3720),
    number("Label2", "", 3765, 15),
    {.kind = ControlKind::Line, .name = "Line9", .visible = false, .container = "Picturegraph",
     .borderWidth = 3, .dashed = true},
    outline("Line1", black),
    outline("Line2", black),
    outline("Line3", black),
    outline("Line4", black),
    disc(corners[0], 200),
    disc(corners[1], 200),
    disc(corners[2], 200),
    disc(corners[3], 195),
    outline("Line5", crossLineBlue),
    outline("Line6", crossLineBlue),
    outline("Line7", crossLineBlue),
    outline("Line8", crossLineBlue),
    crossLabel(corners[0]),
    crossLabel(corners[1]),
    crossLabel(corners[2]),
    crossLabel(corners[3]),
    {.kind = ControlKind::Frame, .name = "Frame2", .left = 9855, .top = 1515, .width = 1800,
     .height = 2610},
    {.name = "Label6", .caption = "Drag the 4 crosses into the correct position.", .left = 120,
     .top = 390, .width = 1545, .height = 1875, .font = instruction, .foreColour = white,
     .opaque = false, .alignment = Alignment::Centre, .container = "Frame2"},
    {.kind = ControlKind::Frame, .name = "Frame1", .left = 10080, .top = 4604, .width = 1335,
     .height = 1140, .accessibleName = "Level"},
    {.kind = ControlKind::OptionButton, .name = "Option1", .caption = "Level 1", .left = 90,
     .top = 210, .width = 1020, .height = 405, .font = choice, .foreColour = yellow, .value = 1,
     .container = "Frame1"},
    {.kind = ControlKind::OptionButton, .name = "Option2", .caption = "Level 2", .left = 90,
     .top = 645, .width = 1125, .height = 360, .font = choice, .foreColour = yellow,
     .container = "Frame1"},
    {.kind = ControlKind::CheckBox, .name = "Check1", .caption = "Show mirror line",
     .left = 10065, .top = 5910, .width = 1485, .height = 675, .font = choice,
     .foreColour = yellow, .visible = false},
    {.name = "Label4", .left = 3390, .top = 7905, .width = 4245, .height = 540, .font = question,
     .foreColour = yellow, .opaque = false, .alignment = Alignment::Centre, .visible = false},
    {.kind = ControlKind::Button, .name = "cmdexit"},
    {.kind = ControlKind::Button, .name = "cmdgo"},
    {.kind = ControlKind::Button, .name = "cmdsoln"},
    {.kind = ControlKind::Button, .name = "cmdjotter"},
};
// clang-format on

const ui::TimerDesign reflectionsTimers[] = {
    {.name = "tmrmessage", .intervalMs = 3000, .enabled = false}};

// The grid's families, back to front, behind the object and the crosses.
constexpr std::array<const char*, 8> gridFamilies = {"xgrid",  "ygrid",  "Linex",  "Liney",
                                                     "xcheck", "ycheck", "Label1", "Label2"};

// The families made from their member 0 at load: member i stands i grid steps along the
// columns or down the rows, and the numbers read the grid coordinate there.
struct GrownFamily {
    const char* name;
    bool alongColumns;
};
constexpr std::array<GrownFamily, 6> grownFamilies = {{
    {"xcheck", true},
    {"Label1", true},
    {"Label2", false},
    {"ycheck", false},
    {"xgrid", true},
    {"ygrid", false},
}};

double centreX(const ui::Control& c) { return c.left() + c.width() / 2.0; }
double centreY(const ui::Control& c) { return c.top() + c.height() / 2.0; }

void join(ui::Control& edge, const ui::Control& from, const ui::Control& to) {
    edge.setEnds(centreX(from), centreY(from), centreX(to), centreY(to));
}

}  // namespace

namespace reflect {

reflections::reflections(Registry& registry)
    : ActivityScreen(registry, "reflections", design, reflectionsControls, reflectionsTimers),
      check1_(control("Check1")), cmdsoln_(control("cmdsoln")), questionText_(control("Label3")),
      mirrorLine_(control("Line9")) {
    for (const Corner& c : corners) {
        discs_.push_back(&control(c.disc));
        discs_.back()->setRole(ui::Role::Text);
        crosses_.push_back(&control(c.cross));
        discEdges_.push_back(&control(c.discEdge));
        crossEdges_.push_back(&control(c.crossEdge));
    }
    for (const GrownFamily& f : grownFamilies) familyHeads_.push_back(&control(f.name, 0));
    for (const char* name : {"Option1", "Option2", "Frame1", "Frame2", "Check1"})
        boardBlue_.push_back(&control(name));
    wireOptions({[this] { Option1_Click(); }, [this] { Option2_Click(); }});
    check1_.onClick = [this](int) { Check1_Click(); };
    control("cmdgo").onClick = [this](int) { cmdgo_Click(); };
    cmdsoln_.onClick = [this](int) { cmdsoln_Click(); };
    timer("tmrmessage").onTimer = [this] { tmrmessage_Timer(); };
    useVerdict(control("Label4"), timer("tmrmessage"));
    for (int k = 0; k < 4; ++k) {
        ui::Control& cross = *crosses_[static_cast<std::size_t>(k)];
        cross.onMouseMove = [this, k](int, const ui::MouseEvent& e) {
            cross_MouseMove(k, e.button, e.x, e.y);
        };
        cross.onMouseUp = [this, k](int, const ui::MouseEvent&) { cross_MouseUp(k); };
        // From the keyboard a cross takes the focus and steps along the grid.
        cross.setRole(ui::Role::Button);
        cross.onKey = [this, k](ui::Key key) { return stepCross(k, key); };
    }
}

void reflections::Form_Load() {
    setupform(*this);
    // Here the solution button checks the pupil's crosses, and shows and says so.
    cmdsoln_.setAccessibleName("Check");
    if (auto check = ui::loadPicture(platform(), "images/check.jpg")) cmdsoln_.setPicture(*check);
    setBackColour(boardBlue);
    for (ui::Control* c : boardBlue_) c->setBackColour(boardBlue);
    buildGrid();
    level_ = 1;
    calculate();
}

void reflections::buildGrid() {
    for (std::size_t f = 0; f < grownFamilies.size(); ++f) {
        const bool alongColumns = grownFamilies[f].alongColumns;
        ui::Control& first = *familyHeads_[f];
        const bool isLine = first.kind() == ui::ControlKind::Line;
        auto coordinate = [alongColumns](int i) {
            return std::to_string(alongColumns ? gridMinX + i : gridMaxY - i);
        };
        if (!isLine) first.setCaption(coordinate(0));
        const int last = alongColumns ? lastColumn : lastRow;
        for (int i = 1; i <= last; ++i) {
            ui::Control& member = createMember(first.name(), i);
            const auto at = static_cast<std::size_t>(i);
            const double dx = alongColumns ? gridTables.xpos[at] - gridTables.xpos[0] : 0;
            const double dy = alongColumns ? 0 : gridTables.ypos[at] - gridTables.ypos[0];
            if (isLine) {
                member.setEnds(first.x1() + dx, first.y1() + dy, first.x2() + dx, first.y2() + dy);
            } else {
                member.setLeft(first.left() + static_cast<int>(dx));
                member.setTop(first.top() + static_cast<int>(dy));
                member.setCaption(coordinate(i));
            }
            member.setVisible(true);
        }
    }
    // New members come in front of everything: put the grid back behind the object.
    std::vector<ui::Control*> grid;
    for (const char* family : gridFamilies)
        for (const auto& c : controls())
            if (c->name() == family) grid.push_back(c.get());
    for (auto it = grid.rbegin(); it != grid.rend(); ++it) sendToBack(**it);
}

void reflections::Option1_Click() {
    level_ = 1;
    check1_.setVisible(false);
    check1_.setValue(0);
    calculate();
}

void reflections::Option2_Click() {
    level_ = 2;
    check1_.setVisible(true);
    calculate();
}

// The mirror line shows exactly while the box is ticked.
void reflections::Check1_Click() { mirrorLine_.setVisible(check1_.value() != 0); }

void reflections::cmdgo_Click() { calculate(); }

// The object is placed once per question, so no rejected attempt is ever seen.
void reflections::calculate() {
    resetcrosses();
    if (level_ == 1) registry_.random().reseedFromClock();
    const Rnd rnd = [this] { return registry_.random().fraction(); };
    question_ = reflect::calculate(level_, rnd);
    placeshape(question_.shape.shapepoints);
    questionText_.setCaption(question_.caption);
    announce(question_.caption);
    if (const auto& m = question_.mirrorLine) mirrorLine_.setEnds(m->x1, m->y1, m->x2, m->y2);
}

void reflections::placeshape(const VertexTable& shapepoints) {
    for (std::size_t k = 0; k < corners.size(); ++k) {
        ui::Control& d = *discs_[k];
        // The disc's centre sits 10 twips right of and 20 below its grid point.
        const Vertex& p = shapepoints[k];
        d.setLeft(static_cast<int>(std::lround(gridTables.x(p.x) - d.width() / 2.0 + 10)));
        d.setTop(static_cast<int>(std::lround(gridTables.y(p.y) - d.height() / 2.0 + 20)));
        d.setAccessibleName(std::string(corners[k].colourName) + " corner at " +
                            std::to_string(p.x) + ", " + std::to_string(p.y));
    }
    for (std::size_t k = 0; k < corners.size(); ++k)
        join(*discEdges_[k], *discs_[k], *discs_[(k + 1) % corners.size()]);
}

void reflections::resetcrosses() {
    for (std::size_t k = 0; k < corners.size(); ++k) {
        ui::Control& c = *crosses_[k];
        c.setLeft(homeX - c.width() / 2);
        c.setTop(gridLine(corners[k].homeRow) - c.height() / 2);
    }
    joincrosses();
}

void reflections::joincrosses() {
    for (std::size_t k = 0; k < corners.size(); ++k) {
        join(*crossEdges_[k], *crosses_[k], *crosses_[(k + 1) % corners.size()]);
        nameCross(k);
    }
}

// "purple cross at 3, -1" once on a grid point; where it waits beside the grid, "purple cross".
void reflections::nameCross(std::size_t k) {
    ui::Control& c = *crosses_[k];
    const int cx = c.left() + c.width() / 2, cy = c.top() + c.height() / 2;
    const int column = snapColumn(cx), row = snapRow(cy);
    const bool onPoint =
        static_cast<int>(gridTables.xpos[static_cast<std::size_t>(column)]) == cx &&
        static_cast<int>(gridTables.ypos[static_cast<std::size_t>(row)]) == cy;
    std::string name = std::string(corners[k].colourName) + " cross";
    if (onPoint)
        name += " at " + std::to_string(gridMinX + column) + ", " + std::to_string(gridMaxY - row);
    c.setAccessibleName(name);
}

void reflections::cross_MouseMove(int k, int button, int x, int y) {
    if (button != ui::LeftButton) return;
    const auto corner = static_cast<std::size_t>(k);
    ui::Control& c = *crosses_[corner];
    c.setLeft(c.left() + x - c.width() / 2);
    c.setTop(c.top() + y - c.height() / 2);
    // The outline starts at this cross on one edge and ends at it on the one before.
    ui::Control& leaving = *crossEdges_[corner];
    ui::Control& arriving = *crossEdges_[(corner + 3) % corners.size()];
    leaving.setEnds(centreX(c), centreY(c), leaving.x2(), leaving.y2());
    arriving.setEnds(arriving.x1(), arriving.y1(), centreX(c), centreY(c));
}

// To the nearest grid point, also from a drop below the last row or off the drawing area.
void reflections::cross_MouseUp(int k) { stepCross(k, 0, 0); }

bool reflections::stepCross(int k, ui::Key key) {
    const int columns = key == ui::Key::Left ? -1 : key == ui::Key::Right ? 1 : 0;
    const int rows = key == ui::Key::Up ? -1 : key == ui::Key::Down ? 1 : 0;
    if (columns == 0 && rows == 0) return false;
    stepCross(k, columns, rows);
    return true;
}

// Snaps as a drop does, then moves on by whole grid steps, staying on the grid.
void reflections::stepCross(int k, int columns, int rows) {
    ui::Control& c = *crosses_[static_cast<std::size_t>(k)];
    const int column = std::clamp(snapColumn(c.left() + c.width() / 2) + columns, 0, lastColumn);
    const int row = std::clamp(snapRow(c.top() + c.height() / 2) + rows, 0, lastRow);
    c.setLeft(static_cast<int>(gridTables.xpos[static_cast<std::size_t>(column)]) - c.width() / 2);
    c.setTop(static_cast<int>(gridTables.ypos[static_cast<std::size_t>(row)]) - c.height() / 2);
    joincrosses();
}

void reflections::cmdsoln_Click() {
    std::array<CrossBox, 4> boxes{};
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const ui::Control& c = *crosses_[k];
        boxes[k] = {c.left(), c.top(), c.width(), c.height()};
    }
    showVerdict(answerRight(boxes, question_.imagepoints) ? "Well done" : "Incorrect. Try again");
}

void reflections::tmrmessage_Timer() { hideVerdict(); }

}  // namespace reflect
