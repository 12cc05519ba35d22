#include "hamilton/hamilton.h"

#include <cstddef>
#include <string>
#include <utility>

#include "app/colours.h"
#include "app/registry.h"
#include "app/setupform.h"
#include "hamilton/circuit_check.h"
#include "hamilton/circuit_stored.h"
#include "hamilton/graph_hit.h"
#include "hamilton/graph_solids.h"

namespace {

using ui::Alignment;
using ui::ControlKind;

constexpr int lineCount = 31;  // Line1(0) to Line1(30); the largest solid uses 30
constexpr ui::Colour unselected = basicColour(11);
constexpr ui::Colour selected = basicColour(14);

const ui::Font story{"Tahoma", 14.25, false};
const ui::Font verdict{"Tahoma", 27.75, false};
const ui::Font option{"Tahoma", 9.75, true};

// clang-format off
const ui::ScreenDesign design = {
    .caption = "Hamiltonian Circuits",
    .clientWidth = 11880,
    .clientHeight = 8490,
    .backColour = standardBlue,
    .foreColour = yellow,
};

const ui::ControlDesign hamiltonControls[] = {
    {.name = "Label1",
     .caption = "The famous 19th century mathematician Tarquell invented a game called 'A Voyage "
                "Around the World'. The game is played on a polyhedron whose vertices have each "
                "been given the name of a city. To win the game a player must start at a city and "
                "travel along the edges of the polyhedron to visit each of the other cities on the "
                "polyhedron once and return to the starting city, without travelling along any "
                "edge more than once. Such a route is called a Hamiltonian circuit.",
     .left = 120, .top = 120, .width = 11655, .height = 2055, .font = story, .foreColour = yellow,
     .opaque = false},
    {.name = "Label3",
     .caption = "Find a Hamiltonian circuit on the polyhedral graph shown here. Click the centre "
                "of each edge to change its colour.",
     .left = 120, .top = 4200, .width = 2775, .height = 2415, .font = story, .foreColour = yellow,
     .opaque = false},
    {.name = "Label4", .left = 2760, .top = 7800, .width = 6495, .height = 1095, .font = verdict,
     .foreColour = yellow, .opaque = false, .alignment = Alignment::Centre, .visible = false},
    {.kind = ControlKind::Frame, .name = "Frame1", .left = 9570, .top = 2265, .width = 2160,
     .height = 2640, .accessibleName = "Solid"},
    {.kind = ControlKind::OptionButton, .name = "Option1", .caption = "Tetrahedron", .left = 150,
     .top = 210, .width = 1900, .height = 304, .font = option, .foreColour = yellow, .value = 1,
     .container = "Frame1"},
    {.kind = ControlKind::OptionButton, .name = "Option2", .caption = "Cube", .left = 150,
     .top = 671, .width = 1900, .height = 304, .font = option, .foreColour = yellow,
     .container = "Frame1"},
    {.kind = ControlKind::OptionButton, .name = "Option3", .caption = "Octahedron", .left = 150,
     .top = 1132, .width = 1900, .height = 304, .font = option, .foreColour = yellow,
     .container = "Frame1"},
    {.kind = ControlKind::OptionButton, .name = "Option4", .caption = "Icosahedron", .left = 150,
     .top = 1593, .width = 1900, .height = 304, .font = option, .foreColour = yellow,
     .container = "Frame1"},
    {.kind = ControlKind::OptionButton, .name = "Option5", .caption = "Dodecahedron", .left = 150,
     .top = 2055, .width = 1900, .height = 304, .font = option, .foreColour = yellow,
     .container = "Frame1"},
    {.kind = ControlKind::Line, .name = "Line1", .index = 0, .foreColour = unselected,
     .visible = false, .borderWidth = 8},
    {.kind = ControlKind::Button, .name = "cmdexit"},
    {.kind = ControlKind::Button, .name = "cmdgo"},
    {.kind = ControlKind::Button, .name = "cmdsoln"},
    {.kind = ControlKind::Button, .name = "Cmdcheckit"},
    {.kind = ControlKind::Button, .name = "cmdjotter"},
};

const ui::TimerDesign hamiltonTimers[] = {{.name = "Timer2", .intervalMs = 2000, .enabled = false}};
// clang-format on

}  // namespace

namespace hamiltonian {

hamilton::hamilton(Registry& registry)
    : ActivityScreen(registry, "hamilton", design, hamiltonControls, hamiltonTimers),
      lines_(members("Line1", 1)) {
    wireOptions({[this] { Option1_Click(); }, [this] { Option2_Click(); },
                 [this] { Option3_Click(); }, [this] { Option4_Click(); },
                 [this] { Option5_Click(); }});
    const std::pair<const char*, void (hamilton::*)()> buttons[] = {
        {"cmdgo", &hamilton::cmdgo_Click},
        {"Cmdcheckit", &hamilton::Cmdcheckit_Click},
        {"cmdsoln", &hamilton::cmdsoln_Click}};
    for (const auto& [name, handler] : buttons)
        control(name).onClick = [this, h = handler](int) { (this->*h)(); };
    for (const char* name : {"Frame1", "Option1", "Option2", "Option3", "Option4", "Option5"})
        boardBlue_.push_back(&control(name));
    timer("Timer2").onTimer = [this] { Timer2_Timer(); };
    useVerdict(control("Label4"), timer("Timer2"));
    onMouseDown = [this](const ui::MouseEvent& e) { Form_MouseDown(e.button, e.shift, e.x, e.y); };
    // From the keyboard each edge is a button of its own; the pointer clicks near its centre.
    line(0).onClick = [this](int i) { toggleLine(i); };
}

void hamilton::Form_Load() {
    setupform(*this);
    for (ui::Control* c : boardBlue_) c->setBackColour(boardBlue);
    for (int i = 1; i < lineCount; ++i) lines_.push_back(&createMember("Line1", i));
    geometry_ = Geometry{};
    solidIndex_ = tetrahedron;
    calculate();
}

void hamilton::chooseSolid(int solidIndex) {
    geometry_ = geometryFor(solidIndex);
    solidIndex_ = solidIndex;
    cmdgo_Click();
}

void hamilton::Option1_Click() { chooseSolid(tetrahedron); }
void hamilton::Option2_Click() { chooseSolid(cube); }
void hamilton::Option3_Click() { chooseSolid(octahedron); }
void hamilton::Option4_Click() { chooseSolid(icosahedron); }
void hamilton::Option5_Click() { chooseSolid(dodecahedron); }

void hamilton::cmdgo_Click() {
    hideVerdict();
    for (int i = 0; i < lineCount - 1; ++i) line(i).setVisible(false);
    calculate();
}

void hamilton::calculate() {
    for (int i = 0; i < lineCount - 1; ++i) {
        edgeSelected_[static_cast<std::size_t>(i)] = 0;
        line(i).setForeColour(unselected);
    }
    const Solid& solid = solidAt(solidIndex_);
    solidName_ = solid.solidName;
    edgeCount_ = solid.edgeCount;
    graph_ = drawSolid(solidIndex_, geometry_);
    for (int i = 0; i < edgeCount_; ++i) {
        const Line& drawn = graph_.lines[static_cast<std::size_t>(i)];
        ui::Control& l = line(i);
        l.setEnds(drawn.x1, drawn.y1, drawn.x2, drawn.y2);
        l.setVisible(true);
    }
    // The lines hold their ends exactly as set, so the centres of the drawn lines are the targets.
    edgeCentres_ = edgeCentres(graph_.lines);
    for (int i = 0; i < edgeCount_; ++i) nameLine(i);
    announce("Find a Hamiltonian circuit on the " + std::string(solidName_) + ", " +
             std::to_string(graph_.vertices.size()) + " vertices and " +
             std::to_string(edgeCount_) + " edges");
}

void hamilton::nameLine(int i) {
    const Line& edge = graph_.lines[static_cast<std::size_t>(i)];
    line(i).setAccessibleName(
        "edge " + std::to_string(edge.from + 1) + " to " + std::to_string(edge.to + 1) +
        (edgeSelected_[static_cast<std::size_t>(i)] ? ", chosen" : ", not chosen"));
}

void hamilton::toggleLine(int i) {
    if (edgeSelected_[static_cast<std::size_t>(i)] == 0)
        selectLine(i);
    else
        unselectLine(i);
}

void hamilton::selectLine(int i) {
    edgeSelected_[static_cast<std::size_t>(i)] = 1;
    line(i).setForeColour(selected);
    bringToFront(line(i));
    nameLine(i);
}

void hamilton::unselectLine(int i) {
    edgeSelected_[static_cast<std::size_t>(i)] = 0;
    line(i).setForeColour(unselected);
    sendToBack(line(i));
    nameLine(i);
}

void hamilton::Form_MouseDown(int, int, int x, int y) {
    const double tolerance = hitTolerance(solidName_);
    for (int i : linesUnderPoint(edgeCentres_, tolerance, x, y)) toggleLine(i);
}

// Two lines at every vertex is not enough: the selection must be one cycle through them all.
void hamilton::Cmdcheckit_Click() {
    showVerdict(isHamiltonianCircuit(graph_, edgeSelected_) ? "Correct, Well Done!"
                                                            : "Wrong, Try Again");
}

void hamilton::Timer2_Timer() { hideVerdict(); }

void hamilton::cmdsoln_Click() {
    hideVerdict();
    const Solid& solid = solidAt(solidIndex_);
    registry_.random().reseedFromClock();
    const int k = solutionOffset(registry_.random().fraction(), solid.rotations);
    const std::vector<int> circuit = storedCircuit(solidIndex_, k);
    for (int i = 0; i < edgeCount_; ++i) {
        edgeSelected_[static_cast<std::size_t>(i)] = circuit[static_cast<std::size_t>(i)];
        if (circuit[static_cast<std::size_t>(i)] == 0) {
            line(i).setForeColour(unselected);
        } else {
            line(i).setForeColour(selected);
            bringToFront(line(i));
        }
        nameLine(i);
    }
}

}  // namespace hamiltonian
