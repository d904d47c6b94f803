#include "python/Recipes.h"

#include "engine/RequestChecks.h"
#include "growth/GrowthOrganNames.h"
#include "python/Errors.h"
#include "python/LongWork.h"

#include <pybind11/stl.h>

namespace burgeon::python {

namespace {

// A text with a line break or a brace is an L-system; any other text names its file.
bool isLSystemText(const py::handle& value) {
    if (!py::isinstance<py::str>(value)) {
        return false;
    }
    const auto text = value.cast<std::string>();
    return text.find_first_of("\n{") != std::string::npos;
}

// Growth data: one file fitted for the organ option, {organ: file}, or a list of files and
// "ORGAN=FILE" texts.
std::vector<std::string> growthEntries(const py::handle& growth) {
    std::vector<std::string> entries;
    if (growth.is_none()) {
        return entries;
    }
    if (py::isinstance<py::dict>(growth)) {
        for (const auto& [organ, file] : growth.cast<py::dict>()) {
            const auto name = py::str(organ).cast<std::string>();
            if (!growthOrganNamed(name) || name == "all") {
                throw RequestError(growthOrganNameError("--growth", name));
            }
            entries.push_back(name + "=" + pathText(file));
        }
    } else if (py::isinstance<py::list>(growth) || py::isinstance<py::tuple>(growth)) {
        for (const auto& file : growth) {
            entries.push_back(pathText(file));
        }
    } else {
        entries.push_back(pathText(growth));
    }
    return entries;
}

void applyOptions(PlantRecipe& recipe, const PlantOptions& options) {
    if (options.seed) {
        recipe.seed = checkedSeed(*options.seed);
    }
    recipe.settings = settingTexts(options.settings);
    recipe.growth = growthEntries(options.growth);
    recipe.organ = options.organ;
    if (!options.shapes.is_none()) {
        recipe.shapes = pathText(options.shapes);
    }
    recipe.leaf = options.leaf;
    recipe.flower = options.flower;
    recipe.texture = options.texture;
    if (!options.rotate.is_none()) {
        recipe.rotation = checkedRotation(options.rotate.cast<std::vector<double>>());
    }
    if (options.maxSeconds) {
        checkedMaxSeconds(*options.maxSeconds);
    }
}

} // namespace

std::string pathText(const py::handle& path) {
    return py::str(py::module_::import("os").attr("fspath")(path)).cast<std::string>();
}

std::vector<std::string> settingTexts(const py::handle& settings) {
    std::vector<std::string> texts;
    if (settings.is_none()) {
        return texts;
    }
    const py::object jsonText = support().attr("json_text");
    for (const auto& [key, value] : py::dict(py::reinterpret_borrow<py::object>(settings))) {
        texts.push_back(py::str(key).cast<std::string>() + "=" +
                        jsonText(value).cast<std::string>());
    }
    return texts;
}

PlantRecipe sessionRecipe(const py::handle& path, const PlantOptions& options) {
    PlantRecipe recipe;
    recipe.session = pathText(path);
    applyOptions(recipe, options);
    return recipe;
}

PlantRecipe lsystemRecipe(const py::handle& textOrPath, std::optional<int> block,
                          const PlantOptions& options) {
    PlantRecipe recipe;
    if (isLSystemText(textOrPath)) {
        recipe.lsystemText = textOrPath.cast<std::string>();
    } else {
        recipe.lsystemFile = pathText(textOrPath);
    }
    recipe.block = block ? checkedBlock(*block) : 0;
    applyOptions(recipe, options);
    return recipe;
}

std::unique_ptr<PlantHandle> openHandle(const PlantRecipe& recipe, const PlantNames& names,
                                        std::optional<double> maxSeconds,
                                        const py::object& progress) {
    auto handle = std::make_unique<PlantHandle>();
    LongWork work(maxSeconds, progress);
    Outcome outcome;
    {
        const PlantAccess access(*handle);
        outcome = openPlant(recipe, handle->plant, work.stop(), work.progress());
    }
    work.raisePending();
    if (!outcome.completed()) {
        raiseFailure(outcome, "the compilation", maxSeconds);
    }
    warnNotices(outcome);
    handle->names = names;
    return handle;
}

} // namespace burgeon::python
