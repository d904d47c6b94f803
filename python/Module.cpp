#include "python/Bindings.h"
#include "python/Errors.h"

namespace burgeon::python {

namespace {

constexpr const char* ModuleDoc =
    "The compiled part of burgeon: the plant, growth curves and fits over the headless engine.";

} // namespace

void defineModule(py::module_& module) {
    module.doc() = ModuleDoc;
    registerErrorTranslators();
    // Classes and functions are made while the module calls itself by the package's name, so
    // that they show, pickle and print as burgeon's own (burgeon.Plant), not as its compiled
    // part's.
    const py::object ownName = module.attr("__name__");
    module.attr("__name__") = "burgeon";
    bindReports(module);
    bindGrowth(module);
    bindPlant(module);
    module.attr("__name__") = ownName;
    module.attr("__version__") = BURGEON_VERSION;
}

} // namespace burgeon::python

// The module's entry point, which Python finds by the module's name.
PYBIND11_MODULE(_burgeon, module) {
    burgeon::python::defineModule(module);
}
