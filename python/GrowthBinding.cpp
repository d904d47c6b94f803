#include "python/GrowthBinding.h"

#include "base/NumberText.h"
#include "growth/GrowthOrganNames.h"
#include "python/Bindings.h"
#include "python/Errors.h"
#include "python/Recipes.h"
#include "python/Tables.h"

#include <pybind11/numpy.h>
#include <pybind11/operators.h>
#include <pybind11/stl.h>

namespace burgeon::python {

namespace {

using DoubleArray = py::array_t<double, py::array::c_style | py::array::forcecast>;

std::string curveRepr(const char* type, const GrowthFunction& curve) {
    auto number = [](double value) { return py::repr(py::float_(value)).cast<std::string>(); };
    return std::string(type) + "(bottom=" + number(curve.bottom) + ", top=" + number(curve.top) +
           ", slope=" + number(curve.slope) + ", tmid=" + number(curve.tmid) + ")";
}

py::dict curvesByOrgan(const GrowthCurves& curves) {
    py::dict byOrgan;
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        byOrgan[py::str(growthOrganNames()[static_cast<std::size_t>(organ)])] =
            curves.getCurve(static_cast<GrowthOrgan>(organ));
    }
    return byOrgan;
}

// Raises the messages of a fit that did not complete, as the fit command prints them.
[[noreturn]] void raiseFitFailure(const GrowthFitReport& report) {
    Outcome outcome;
    for (const ReportedMessage& message : report.messages) {
        outcome.add(Notice::Kind::Message, message.text, message.place);
    }
    outcome.ending = Outcome::Ending::Failed;
    raiseFailure(outcome);
}

FittedCurve fitted(GrowthFitReport report, GrowthOrgan organ, std::string dataText) {
    if (!report.completed) {
        raiseFitFailure(report);
    }
    FittedCurve curve;
    static_cast<GrowthFunction&>(curve) = report.curve;
    curve.organ = organ;
    curve.report = std::move(report);
    curve.dataText = std::move(dataText);
    return curve;
}

FittedCurve fitArrays(const py::handle& timesValue, const py::handle& sizesValue,
                      GrowthOrgan organ) {
    const auto times = DoubleArray::ensure(timesValue);
    const auto sizes = DoubleArray::ensure(sizesValue);
    if (!times || !sizes) {
        throw py::error_already_set();
    }
    const py::ssize_t rows = times.ndim() == 1 ? times.shape(0) : -1;
    const bool oneColumn = sizes.ndim() == 1;
    if (rows < 0 || (!oneColumn && sizes.ndim() != 2) || sizes.shape(0) != rows) {
        raiseError("InputError", "growth data needs one time a row and one row of sizes a time "
                                 "(a 1-D array of times and a 1-D or 2-D array of sizes with as "
                                 "many rows)");
    }
    const auto columns = static_cast<std::size_t>(oneColumn ? 1 : sizes.shape(1));
    std::string text =
        growthDataFromArrays({times.data(), static_cast<std::size_t>(rows)},
                             {sizes.data(), static_cast<std::size_t>(rows) * columns}, columns);
    GrowthFitReport report = fitGrowthText(text, organ);
    return fitted(std::move(report), organ, std::move(text));
}

FittedCurve fitGrowth(const py::object& data, const py::object& sizes, const std::string& organ) {
    const GrowthOrgan fittedOrgan = organFromName(organ, true);
    if (!sizes.is_none()) {
        return fitArrays(data, sizes, fittedOrgan);
    }
    const std::string file = pathText(data);
    GrowthFitReport report;
    {
        const py::gil_scoped_release release;
        report = fitGrowthFile(file, fittedOrgan);
    }
    std::string dataText =
        report.growth
            .data[fittedOrgan == GrowthOrgan::All ? 0 : static_cast<std::size_t>(fittedOrgan)];
    return fitted(std::move(report), fittedOrgan, std::move(dataText));
}

void bindGrowthCurve(py::module_& module) {
    py::class_<GrowthFunction>(module, "GrowthCurve", R"(A logistic growth curve:

    bottom + (top - bottom) / (1 + exp(slope * (tmid - t)))

the four numbers of the Growth Function page's boxes. A curve is a value: it does not change.
Called with a time or an array of times it gives the curve's value there (as the page's plot
shows it); size(age) gives the size factor an organ of that age is drawn at.)")
        .def(py::init([](double bottom, double top, double slope, double tmid) {
                 return GrowthFunction{bottom, top, slope, tmid};
             }),
             py::arg("bottom") = 0.0, py::arg("top") = 0.0, py::arg("slope") = 0.0,
             py::arg("tmid") = 0.0, "A curve of the four numbers.")
        .def_readonly("bottom", &GrowthFunction::bottom, "The value long before tmid.")
        .def_readonly("top", &GrowthFunction::top, "The value long after tmid.")
        .def_readonly("slope", &GrowthFunction::slope, "How steeply the curve rises.")
        .def_readonly("tmid", &GrowthFunction::tmid, "The time of the middle of the rise.")
        .def("__call__",
             py::vectorize([](GrowthFunction curve, double t) { return logisticValue(curve, t); }),
             py::arg("t"), "The curve's value at a time, or at each time of an array.")
        .def("size",
             py::vectorize([](GrowthFunction curve, double age) { return growthSize(curve, age); }),
             py::arg("age"),
             "The size factor an organ of that age (or of each age of an array) is drawn at: a "
             "fifth of the curve's rise above bottom.")
        .def(py::self == py::self)
        .def("__repr__",
             [](const GrowthFunction& curve) { return curveRepr("GrowthCurve", curve); })
        .def(py::pickle(
            [](const GrowthFunction& curve) {
                return py::make_tuple(curve.bottom, curve.top, curve.slope, curve.tmid);
            },
            [](const py::tuple& state) {
                return GrowthFunction{state[0].cast<double>(), state[1].cast<double>(),
                                      state[2].cast<double>(), state[3].cast<double>()};
            }));
}

void bindGrowthFit(py::module_& module) {
    py::class_<FittedCurve, GrowthFunction>(module, "GrowthFit", R"(A curve fitted to growth data.

It is a GrowthCurve (its numbers as the page's boxes show them) that also holds what the fit
told, as `burgeon fit --json` reports it. Given to plant.curves[organ] it also gives the plant
the data it was fitted to.)")
        .def_property_readonly(
            "organ",
            [](const FittedCurve& fit) {
                return growthOrganNames()[static_cast<std::size_t>(fit.organ)];
            },
            "The organ it was fitted for (\"all\" for all six).")
        .def_property_readonly(
            "messages", [](const FittedCurve& fit) { return fit.report.messages; },
            "The fit's messages in order (list of Message).")
        .def_property_readonly(
            "boxes",
            [](const FittedCurve& fit) {
                const auto& boxes = fit.report.boxes;
                py::dict shown;
                shown["bottom"] = boxes[0];
                shown["top"] = boxes[1];
                shown["slope"] = boxes[2];
                shown["tmid"] = boxes[3];
                return shown;
            },
            "The Bottom, Top, Slope and Tmid boxes as texts (dict).")
        .def_property_readonly(
            "times",
            [](const FittedCurve& fit) {
                const GrowthData& data = fit.report.growth.fittedData;
                return doubleArray(std::vector<double>(
                    data.dataTime.begin(), data.dataTime.begin() + data.dataLastRow + 1));
            },
            "The times of the data rows (float64 array).")
        .def_property_readonly(
            "means",
            [](const FittedCurve& fit) {
                const GrowthData& data = fit.report.growth.fittedData;
                return doubleArray(std::vector<double>(
                    data.dataMean.begin(), data.dataMean.begin() + data.dataLastRow + 1));
            },
            "The measured series: each row's sizes, lined up on their first growth and averaged "
            "(float64 array).")
        .def_property_readonly(
            "life_cycle_time",
            [](const FittedCurve& fit) { return fit.report.growth.fittedData.lifeCycleTime; },
            "The time of the last data row, rounded: it sets the length of the time axis.")
        .def_readonly("data", &FittedCurve::dataText, "The growth data's text.")
        .def_property_readonly(
            "curves",
            [](const FittedCurve& fit) { return curvesByOrgan(fit.report.growth.curves); },
            "The six curves after the fitted one was given to its organ (or to all six), by "
            "organ (dict of GrowthCurve).")
        .def("__repr__", [](const FittedCurve& fit) { return curveRepr("GrowthFit", fit); });
}

} // namespace

GrowthOrgan organFromName(const std::string& name, bool allowAll, bool asKey) {
    const auto organ = growthOrganNamed(name);
    if (!organ || (!allowAll && *organ == GrowthOrgan::All)) {
        raiseError(asKey ? "UnknownKeyError" : "InputError", growthOrganNameError("--organ", name));
    }
    return *organ;
}

void bindGrowth(py::module_& module) {
    bindGrowthCurve(module);
    bindGrowthFit(module);
    module.def("fit_growth", &fitGrowth, py::arg("data"), py::arg("sizes") = py::none(),
               py::kw_only(), py::arg("organ") = "all",
               R"(Fits a logistic growth curve to growth data, as `burgeon fit` does.

data is a growth data file's path, or, with sizes, an array of times: sizes then holds a size
a time (1-D) or a row of sizes a time, one column an organ measured (2-D); the arrays are read
as the file's rows would be. organ is the organ the fit is for (internode, petiole,
leaf-length, leaf-width, apex, flower, or all six): it decides the fit's curves. Returns a
GrowthFit. Data the fit cannot take raises InputError with the fit's messages ("Error Data in
line 2", then "in line 2 of leaf.txt"); a file that cannot be read raises FileError.)");
}

} // namespace burgeon::python
