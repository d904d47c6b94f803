#pragma once

#include "engine/PlantRecipe.h"
#include "engine/PlantSettings.h"
#include "python/PlantHandle.h"

#include <pybind11/pybind11.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace burgeon::python {

namespace py = pybind11;

// A path given as str or os.PathLike, as text.
std::string pathText(const py::handle& path);

// Session values by key path as --set takes them: "KEY=JSON".
std::vector<std::string> settingTexts(const py::handle& settings);

// The plant options of a Python call, as the command line's plant options give them.
struct PlantOptions {
    std::optional<long long> seed;
    py::object settings;
    py::object growth;
    std::string organ = "all";
    py::object shapes;
    std::optional<int> leaf;
    std::optional<int> flower;
    std::optional<int> texture;
    py::object rotate;
    std::optional<double> maxSeconds;
    py::object progress;
};

// The recipe of a session file or of an L-system (its text, or its file's path) with the
// options; bad values raise InputError.
PlantRecipe sessionRecipe(const py::handle& path, const PlantOptions& options);
PlantRecipe lsystemRecipe(const py::handle& textOrPath, std::optional<int> block,
                          const PlantOptions& options);

// Opens the plant the recipe makes: the work releases the GIL, stops at Ctrl-C or past
// max_seconds, and tells its progress; a plant that cannot be made raises its failure.
std::unique_ptr<PlantHandle> openHandle(const PlantRecipe& recipe, const PlantNames& names,
                                        std::optional<double> maxSeconds,
                                        const py::object& progress);

} // namespace burgeon::python
