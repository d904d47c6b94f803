#include "engine/CompileReport.h"
#include "engine/NodeTable.h"
#include "engine/PlantSettings.h"
#include "engine/RequestChecks.h"
#include "growth/GrowthOrganNames.h"
#include "project/Session.h"
#include "python/Bindings.h"
#include "python/Errors.h"
#include "python/GrowthBinding.h"
#include "python/LongWork.h"
#include "python/PlantDocs.h"
#include "python/PlantHandle.h"
#include "python/Recipes.h"
#include "python/Tables.h"

#include <pybind11/stl.h>

namespace burgeon::python {

namespace {

using MaybeSeconds = std::optional<double>;

PlantOptions plantOptions(std::optional<long long> seed, py::object settings, py::object growth,
                          std::string organ, py::object shapes, std::optional<int> leaf,
                          std::optional<int> flower, std::optional<int> texture, py::object rotate,
                          MaybeSeconds maxSeconds, py::object progress) {
    return {seed,
            std::move(settings),
            std::move(growth),
            std::move(organ),
            std::move(shapes),
            leaf,
            flower,
            texture,
            std::move(rotate),
            maxSeconds,
            std::move(progress)};
}

std::unique_ptr<PlantHandle> openSession(const py::object& path, const PlantOptions& options) {
    const PlantRecipe recipe = sessionRecipe(path, options);
    return openHandle(recipe, {recipe.session, ""}, options.maxSeconds, options.progress);
}

std::unique_ptr<PlantHandle> fromLSystem(const py::object& textOrPath, std::optional<int> block,
                                         const PlantOptions& options) {
    const PlantRecipe recipe = lsystemRecipe(textOrPath, block, options);
    return openHandle(recipe, {"", recipe.lsystemFile}, options.maxSeconds, options.progress);
}

// Changes session values and builds the plant again; an unknown key raises UnknownKeyError.
void changeSettings(PlantHandle& handle, const std::vector<std::string>& settings,
                    MaybeSeconds maxSeconds, const py::object& progress) {
    if (maxSeconds) {
        checkedMaxSeconds(*maxSeconds);
    }
    LongWork work(maxSeconds, progress);
    Outcome outcome;
    bool unknownKey = false;
    {
        const PlantAccess access(handle);
        outcome =
            changePlantSettings(handle.plant, handle.names, settings, work.stop(), work.progress());
        if (outcome.completed()) {
            handle.camera.forget();
        }
        for (const std::string& setting : settings) {
            unknownKey = unknownKey ||
                         !plantSetting(handle.plant.project, setting.substr(0, setting.find('=')));
        }
    }
    work.raisePending();
    if (!outcome.completed()) {
        if (unknownKey && outcome.ending == Outcome::Ending::Failed) {
            warnNotices(outcome);
            raiseError("UnknownKeyError", outcome.failureText());
        }
        raiseFailure(outcome, "the compilation", maxSeconds);
    }
    warnNotices(outcome);
}

std::string settingValue(PlantHandle& handle, const std::string& keyPath) {
    std::optional<std::string> value;
    {
        const PlantAccess access(handle);
        value = plantSetting(handle.plant.project, keyPath);
    }
    if (!value) {
        raiseError("UnknownKeyError", unknownSettingText(keyPath));
    }
    return *value;
}

CompileReport compile(PlantHandle& handle, MaybeSeconds maxSeconds, const py::object& progress) {
    if (maxSeconds) {
        checkedMaxSeconds(*maxSeconds);
    }
    LongWork work(maxSeconds, progress);
    CompileReport report;
    {
        const PlantAccess access(handle);
        report = compilePlant(handle.plant, work.stop(), work.progress());
        if (report.completed) {
            handle.camera.forget();
        }
    }
    work.raisePending();
    if (report.stopped) {
        Outcome stopped;
        stopped.ending = Outcome::Ending::Stopped;
        stopped.stopCause = report.stopCause;
        raiseFailure(stopped, "the compilation", maxSeconds);
    }
    return report;
}

void setCurve(PlantHandle& handle, const std::string& organName, const py::object& curve) {
    const GrowthOrgan organ = organFromName(organName, true, true);
    std::string data;
    if (py::isinstance<FittedCurve>(curve)) {
        data = curve.cast<const FittedCurve&>().dataText;
    }
    const auto function = curve.cast<GrowthFunction>();
    changeSettings(handle, growthCurveSettings(organ, function, data), std::nullopt, py::none());
}

template <typename Value> Value read(PlantHandle& handle, Value (*get)(const HeadlessPlant&)) {
    const PlantAccess access(handle);
    return get(handle.plant);
}

std::unique_ptr<PlantHandle> copyOf(PlantHandle& handle) {
    auto copy = std::make_unique<PlantHandle>();
    const PlantAccess access(handle);
    copy->plant = handle.plant;
    copy->names = handle.names;
    return copy;
}

py::tuple pickledState(PlantHandle& handle) {
    PlantSession session;
    {
        const PlantAccess access(handle);
        session = plantSession(handle.plant, handle.names);
    }
    return py::make_tuple(session.text, session.folder, session.seed, session.names.sessionFile,
                          session.names.lsystemFile);
}

std::unique_ptr<PlantHandle> unpickled(const py::tuple& state) {
    PlantSession session{state[0].cast<std::string>(),
                         state[1].cast<std::string>(),
                         state[2].cast<int>(),
                         {state[3].cast<std::string>(), state[4].cast<std::string>()}};
    return openHandle(sessionRecipe(session), session.names, std::nullopt, py::none());
}

std::string plantRepr(PlantHandle& handle) {
    const PlantAccess access(handle);
    const PlantState& plant = handle.plant.project.plant;
    return "<burgeon.Plant " + plant.definition.lsystemName + ": " +
           std::to_string(plant.nodeCount) + " organs, seed " +
           std::to_string(handle.plant.clock.millisecondsOfDayValue) + ">";
}

void bindOpening(py::class_<PlantHandle>& plant, py::module_& module) {
    module.def(
        "open_session",
        [](const py::object& path, std::optional<long long> seed, py::object settings,
           py::object growth, std::string organ, py::object shapes, std::optional<int> leaf,
           std::optional<int> flower, std::optional<int> texture, py::object rotate,
           MaybeSeconds maxSeconds, py::object progress) {
            return openSession(path, plantOptions(seed, std::move(settings), std::move(growth),
                                                  std::move(organ), std::move(shapes), leaf, flower,
                                                  texture, std::move(rotate), maxSeconds,
                                                  std::move(progress)));
        },
        py::arg("path"), py::kw_only(), py::arg("seed") = py::none(),
        py::arg("settings") = py::none(), py::arg("growth") = py::none(), py::arg("organ") = "all",
        py::arg("shapes") = py::none(), py::arg("leaf") = py::none(),
        py::arg("flower") = py::none(), py::arg("texture") = py::none(),
        py::arg("rotate") = py::none(), py::arg("max_seconds") = py::none(),
        py::arg("progress") = py::none(), OpenSessionDoc);
    plant.def_static(
        "from_lsystem",
        [](const py::object& textOrPath, std::optional<int> block, std::optional<long long> seed,
           py::object settings, py::object growth, std::string organ, py::object shapes,
           std::optional<int> leaf, std::optional<int> flower, std::optional<int> texture,
           py::object rotate, MaybeSeconds maxSeconds, py::object progress) {
            return fromLSystem(textOrPath, block,
                               plantOptions(seed, std::move(settings), std::move(growth),
                                            std::move(organ), std::move(shapes), leaf, flower,
                                            texture, std::move(rotate), maxSeconds,
                                            std::move(progress)));
        },
        py::arg("text_or_path"), py::arg("block") = 1, py::arg("seed") = py::none(), py::kw_only(),
        py::arg("settings") = py::none(), py::arg("growth") = py::none(), py::arg("organ") = "all",
        py::arg("shapes") = py::none(), py::arg("leaf") = py::none(),
        py::arg("flower") = py::none(), py::arg("texture") = py::none(),
        py::arg("rotate") = py::none(), py::arg("max_seconds") = py::none(),
        py::arg("progress") = py::none(), FromLSystemDoc);
}

void bindSettings(py::class_<PlantHandle>& plant) {
    plant
        .def(
            "set",
            [](PlantHandle& handle, const std::string& key, const py::object& value,
               MaybeSeconds maxSeconds, const py::object& progress) {
                py::dict one;
                one[py::str(key)] = value;
                changeSettings(handle, settingTexts(one), maxSeconds, progress);
            },
            py::arg("key"), py::arg("value"), py::kw_only(), py::arg("max_seconds") = py::none(),
            py::arg("progress") = py::none(), SetDoc)
        .def(
            "update",
            [](PlantHandle& handle, const py::object& settings, MaybeSeconds maxSeconds,
               const py::object& progress) {
                changeSettings(handle, settingTexts(settings), maxSeconds, progress);
            },
            py::arg("settings"), py::kw_only(), py::arg("max_seconds") = py::none(),
            py::arg("progress") = py::none(), UpdateDoc)
        .def_property_readonly(
            "settings", [](const py::object& self) { return support().attr("Settings")(self); },
            SettingsDoc)
        .def("_setting", &settingValue, py::arg("key"))
        .def("_setting_keys",
             [](PlantHandle& handle) {
                 return read<std::vector<std::string>>(handle, [](const HeadlessPlant& held) {
                     return plantSettingKeys(held.project);
                 });
             })
        .def_property_readonly(
            "curves", [](const py::object& self) { return support().attr("Curves")(self); },
            CurvesDoc)
        .def("_curve",
             [](PlantHandle& handle, const std::string& organName) {
                 const GrowthOrgan organ = organFromName(organName, false, true);
                 const PlantAccess access(handle);
                 return handle.plant.project.growth.curves.getCurve(organ);
             })
        .def("_set_curve", &setCurve);
}

void bindLSystem(py::class_<PlantHandle>& plant) {
    plant
        .def("compile", &compile, py::kw_only(), py::arg("max_seconds") = py::none(),
             py::arg("progress") = py::none(), CompileDoc)
        .def_property_readonly(
            "lsystem",
            [](PlantHandle& handle) {
                return read<std::string>(
                    handle, [](const HeadlessPlant& held) { return held.project.lsystemText; });
            },
            "The plant's L-system text (set it with plant.set(\"lsystem\", [lines])).")
        .def_property_readonly(
            "result_string",
            [](PlantHandle& handle) {
                return read<std::string>(handle, [](const HeadlessPlant& held) {
                    return held.project.plant.resultString;
                });
            },
            "The bracketed string the plant was generated from.")
        .def_property_readonly(
            "nodes",
            [](PlantHandle& handle) {
                return nodeTableArray(
                    read<std::vector<NodeTableRow>>(handle, [](const HeadlessPlant& held) {
                        return nodeTableRows(held.project.plant);
                    }));
            },
            NodesDoc);
}

void bindIdentity(py::class_<PlantHandle>& plant) {
    plant
        .def_property_readonly(
            "seed",
            [](PlantHandle& handle) {
                return read<int>(handle, [](const HeadlessPlant& held) {
                    return static_cast<int>(held.clock.millisecondsOfDayValue);
                });
            },
            "The seed of the main stem's jitter and the wind.")
        .def_property_readonly(
            "time",
            [](PlantHandle& handle) {
                return read<double>(handle, [](const HeadlessPlant& held) {
                    return held.project.animation.currentTime;
                });
            },
            "The session's time: the time pictures, tables and exports take by default.")
        .def_property_readonly(
            "session_file",
            [](const PlantHandle& handle) {
                return handle.names.sessionFile.empty() ? py::object(py::none())
                                                        : py::str(handle.names.sessionFile);
            },
            "The session file the plant was opened from, or None.")
        .def_property_readonly(
            "lsystem_file",
            [](const PlantHandle& handle) {
                return handle.names.lsystemFile.empty() ? py::object(py::none())
                                                        : py::str(handle.names.lsystemFile);
            },
            "The L-system file the plant was made from, or None.")
        .def("copy", &copyOf, "A plant of its own with the same values and seed.")
        .def("__copy__", &copyOf)
        .def("__deepcopy__", [](PlantHandle& handle, const py::object&) { return copyOf(handle); })
        .def(
            "save",
            [](PlantHandle& handle, const py::object& path) {
                const std::string file = pathText(path);
                const PlantAccess access(handle);
                saveSession(handle.plant.project, file);
            },
            py::arg("path"), SaveDoc)
        .def("__repr__", &plantRepr)
        .def(py::pickle(&pickledState, &unpickled));
}

} // namespace

void bindPlant(py::module_& module) {
    py::class_<PlantHandle> plant(module, "Plant", PlantDoc);
    bindOpening(plant, module);
    bindSettings(plant);
    bindLSystem(plant);
    bindIdentity(plant);
    bindPlantOutputs(plant);
}

} // namespace burgeon::python
