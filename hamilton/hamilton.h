#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

#include "app/activity.h"
#include "hamilton/graph.h"

namespace hamiltonian {

// The Hamiltonian circuit activity: the planar graph of a chosen Platonic solid, whose edges
// the pupil colours by clicking their centres until they make one circuit through every vertex.
class hamilton : public ActivityScreen {
public:
    explicit hamilton(Registry& registry);
    void Form_Load() override;

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void cmdgo_Click();
    void calculate();
    void Form_MouseDown(int button, int shift, int x, int y);
    void Cmdcheckit_Click();
    void Timer2_Timer();
    void cmdsoln_Click();

    int solidIndex() const { return solidIndex_; }
    const Geometry& geometry() const { return geometry_; }
    // The solid on show as last drawn.
    const Graph& graph() const { return graph_; }
    const std::vector<int>& edgeSelected() const { return edgeSelected_; }

private:
    void chooseSolid(int solidIndex);
    ui::Control& line(int i) const { return *lines_.at(static_cast<std::size_t>(i)); }
    void selectLine(int i);
    void toggleLine(int i);
    // "edge 3 to 5, chosen": what a screen reader says of edge i.
    void nameLine(int i);
    void unselectLine(int i);

    int solidIndex_ = 0;
    std::string_view solidName_;
    int edgeCount_ = 0;
    Geometry geometry_;
    Graph graph_;
    std::vector<int> edgeSelected_ = std::vector<int>(31, 0);
    std::vector<EdgeCentre> edgeCentres_;
    std::vector<ui::Control*> lines_;      // Line1, member 0 until the rest are made at load
    std::vector<ui::Control*> boardBlue_;  // take the board's blue at load
};

}  // namespace hamiltonian
