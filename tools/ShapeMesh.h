#pragma once

// Leaf and petal meshes for the example shape libraries: a shape is swept from its base to its
// tip along an outline, and written in the library's text format.

#include "components/OrganShape.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace burgeon::tools {

struct Mesh {
    std::vector<Vector3> points;
    std::vector<std::array<int, 3>> triangles; // point numbers from 1
};

// Where the point at height t (0 at the base, 1 at the tip) and across-position s (-1..1)
// lies.
using Placer = std::function<Vector3(double t, double s)>;

// A shape swept from the base to the tip over `rows` rows of `columns` points. The base
// collapses to one point; the tip too unless `openTip`, which keeps the last row (for notched
// outlines).
Mesh sweep(int rows, int columns, bool openTip, const Placer& place);

// A leaf lying along +y: half-width profile w(t) in 0..1 scaled by `halfWidth`, a gentle cup
// across and a droop towards the tip.
Placer leafPlacer(double length, double halfWidth, const std::function<double(double)>& profile,
                  double cup = 5.0, double droop = 8.0);

// A petal leaning outwards from the flower's axis by `lean` degrees; `tipCut` pulls points
// back from the tip (a notch).
Placer petalPlacer(double length, double halfWidth, double lean,
                   const std::function<double(double)>& profile,
                   const std::function<double(double, double)>& tipCut);

// t^a (1 - t)^b: a rounded outline that is 0 at both ends.
double bump(double t, double a, double b);

// A profile scaled to a largest value of 1.
std::function<double(double)> normalised(const std::function<double(double)>& f);

// Appends one entry in the library format; throws when the shape breaks the format's limits
// (121 points, 150 triangles, 20 triangles at a point).
void appendShape(std::string& library, const std::string& name, int source, const Mesh& mesh);

// Writes the library file after checking that it reads back whole; with a preview folder
// also each entry's wire-frame preview as the Component page draws it.
void writeShapeLibrary(const std::string& library, const std::string& fileName,
                       const std::string& previewFolder);

} // namespace burgeon::tools
