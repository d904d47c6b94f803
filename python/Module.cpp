#include "python/Bindings.h"
#include "python/Errors.h"

namespace burgeon::python {

namespace {

constexpr const char* ModuleDoc =
    "The compiled part of burgeon: the plant, growth curves and fits over the headless engine.";

// Classes and functions show, pickle and print as burgeon's own, not as its compiled part's.
void nameAsPackage(py::module_& module) {
    for (const auto& [name, value] : module.attr("__dict__").cast<py::dict>()) {
        if (!name.cast<std::string>().starts_with("__") && py::hasattr(value, "__module__")) {
            value.attr("__module__") = "burgeon";
        }
    }
}

} // namespace

void defineModule(py::module_& module) {
    module.doc() = ModuleDoc;
    registerErrorTranslators();
    bindReports(module);
    bindGrowth(module);
    bindPlant(module);
    module.attr("__version__") = BURGEON_VERSION;
    nameAsPackage(module);
}

} // namespace burgeon::python

// The module's entry point, which Python finds by the module's name.
PYBIND11_MODULE(_burgeon, module) {
    burgeon::python::defineModule(module);
}
