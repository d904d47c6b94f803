#pragma once

#include "drawing/OrganTable.h"
#include "engine/NodeTable.h"
#include "imageio/RgbImage.h"

#include <pybind11/numpy.h>

#include <vector>

namespace burgeon::python {

namespace py = pybind11;

// The organ table as a burgeon.Table (a numpy structured array) with the columns of
// `render --organs`: node, organ, level, age, a, b, c, x0, y0, z0, x1, y1, z1. The array holds
// the rows where the engine made them: nothing is copied.
py::object organTableArray(std::vector<OrganTableRow> rows);

// The node table as a burgeon.Table with the fields of `lsystem --json`'s nodes: node, kind,
// parent, level, angle_x, angle_y, angle_z, has_leaf, has_flower.
py::object nodeTableArray(std::vector<NodeTableRow> rows);

// A picture as a height x width x 3 array of uint8, top row first, over the image's own bytes.
py::array imageArray(RgbImage image);

// A one-dimensional float64 array of the values.
py::array_t<double> doubleArray(const std::vector<double>& values);

} // namespace burgeon::python
