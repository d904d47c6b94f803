#include "python/Bindings.h"
#include "python/Errors.h"

namespace burgeon::python {

namespace {

constexpr const char* ModuleDoc =
    "The compiled part of burgeon: the plant, growth curves and fits over the headless engine.";

// Classes and functions are made while the module calls itself by the package's name, so that
// they show, pickle and print as burgeon's own (burgeon.Plant), not as its compiled part's.
class PackageName {
public:
    explicit PackageName(py::module_& module) : module_(module), ownName_(module.attr("__name__")) {
        module.attr("__name__") = "burgeon";
    }
    ~PackageName() { module_.attr("__name__") = ownName_; }
    PackageName(const PackageName&) = delete;
    PackageName& operator=(const PackageName&) = delete;

private:
    py::module_& module_;
    py::object ownName_;
};

} // namespace

void defineModule(py::module_& module) {
    module.doc() = ModuleDoc;
    registerErrorTranslators();
    const PackageName asPackage(module);
    bindReports(module);
    bindGrowth(module);
    bindPlant(module);
    module.attr("__version__") = BURGEON_VERSION;
}

} // namespace burgeon::python

// The module's entry point, which Python finds by the module's name.
PYBIND11_MODULE(_burgeon, module) {
    burgeon::python::defineModule(module);
}
