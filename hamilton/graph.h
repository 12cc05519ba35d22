#pragma once

#include <vector>

namespace hamiltonian {

struct Geometry {
    double centreX = 6000;
    double centreY = 5400;
    double outerRadius = 3150;
    double piValue = 3.1415926535;  // the stored value, not full pi: the vertex floors depend on it
};

// The dodecahedron alone is drawn with a smaller outer ring and a higher centre.
Geometry geometryFor(int solidIndex);

struct Vertex {
    double x;
    double y;
};

// Endpoint 1 is the from-vertex, endpoint 2 the to-vertex, in the single precision of a line
// control.
struct Line {
    int from;
    int to;
    float x1;
    float y1;
    float x2;
    float y2;
};

struct Graph {
    std::vector<Vertex> vertices;
    std::vector<Line> lines;  // line i is edge i
};

Graph drawSolid(int solidIndex, const Geometry& geometry);

struct EdgeCentre {
    float x;
    float y;
};

std::vector<EdgeCentre> edgeCentres(const std::vector<Line>& lines);

}  // namespace hamiltonian
