#pragma once

#include <pybind11/pybind11.h>

namespace burgeon::python {

namespace py = pybind11;

// The parts of the module, each defining its classes and functions in it.
void bindReports(py::module_& module);
void bindGrowth(py::module_& module);
void bindPlant(py::module_& module);
void bindPlantOutputs(py::class_<struct PlantHandle>& plant);

} // namespace burgeon::python
