#include "project/SessionReader.h"

#include "base/PrintableText.h"
#include "base/TextLines.h"
#include "components/SurfacePreparation.h"
#include "growth/GrowthFit.h"
#include "project/ParameterScales.h"
#include "project/SessionKeys.h"
#include "project/SessionSections.h"

#include <cmath>
#include <limits>

namespace burgeon {

namespace {

constexpr double Huge = 1e9;

std::string joinPath(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string linesText(const SessionJson& value, const std::string& path, SessionChecks& checks) {
    const SessionJson& lines = checks.array(value, path, std::numeric_limits<std::size_t>::max());
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        texts.push_back(checks.text(lines[i], path + "." + std::to_string(i)));
    }
    return joinLines(texts);
}

void readParameters(const SessionJson& json, PlantParameters& parameters, SessionChecks& checks) {
    const SessionJson& section = checks.object(json, "parameters", "parameters");
    for (const ParameterScale& scale : parameterScales()) {
        if (const SessionJson* value = SessionChecks::member(section, scale.key)) {
            const std::string path = "parameters." + std::string(scale.key);
            if (scale.key == "wind") {
                parameters.wind = checks.integer(*value, path, scale.minimum, scale.maximum);
            } else {
                scale.store(parameters, checks.number(*value, path, scale.minimumValue(),
                                                      scale.maximumValue()));
            }
        }
    }
    for (const auto& [key, value] : section.items()) {
        if (findParameterScale(key) == nullptr) {
            checks.warnUnknownKey("parameters." + key);
        }
    }
}

// Data a curve was fitted to fits again, as "Fit Curve" would take it; the first message of a
// fit that fails is the value's error.
void checkGrowthData(const std::string& data, const std::string& path) {
    if (data.empty()) {
        return;
    }
    GrowthData scratch;
    const FitOutcome fitted = fitGrowthData(splitLines(data), scratch);
    if (fitted.completed) {
        return;
    }
    for (const Message& message : fitted.messages) {
        if (message.kind == MessageKind::Error) {
            std::string text = path + ": " + printableField(message.text, 200);
            const std::string place = "in line " + std::to_string(message.line);
            if (message.line > 0 && !message.text.ends_with(place)) {
                text += " (" + place + " of the data)";
            }
            throw SessionValueError{text};
        }
    }
    throw SessionValueError{path + ": the data does not fit a growth curve"};
}

void readGrowth(const SessionJson& json, PlantGrowth& growth, SessionChecks& checks) {
    const SessionJson& section = checks.object(json, "growth", "growth");
    for (std::size_t i = 0; i < OrganKeys.size(); ++i) {
        const std::string path = joinPath("growth", OrganKeys[i]);
        const SessionJson& organ = checks.object(section, OrganKeys[i], path);
        GrowthFunction curve;
        double* coefficients[] = {&curve.bottom, &curve.top, &curve.slope, &curve.tmid};
        const char* names[] = {"bottom", "top", "slope", "tmid"};
        for (std::size_t c = 0; c < 4; ++c) {
            if (const SessionJson* value = SessionChecks::member(organ, names[c])) {
                *coefficients[c] = checks.number(*value, joinPath(path, names[c]), -Huge, Huge);
            }
        }
        growth.curves.setCurve(static_cast<GrowthOrgan>(i), curve.bottom, curve.top, curve.slope,
                               curve.tmid);
        if (const SessionJson* data = SessionChecks::member(organ, "data")) {
            growth.data[i] = linesText(*data, joinPath(path, "data"), checks);
            checkGrowthData(growth.data[i], joinPath(path, "data"));
        }
        checks.warnUnknown(organ, path, {"bottom", "top", "slope", "tmid", "data"});
    }
    if (const SessionJson* fitted = SessionChecks::member(section, "fitted");
        fitted != nullptr && !fitted->is_null()) {
        const std::string key = fitted->is_string() ? fitted->get<std::string>() : "";
        growth.fittedOrgan = organFromKey(key);
        if (!growth.fittedOrgan) {
            SessionChecks::fail("growth.fitted", "an organ name or null", *fitted);
        }
    }
    checks.warnUnknown(
        section, "growth",
        {"internode", "petiole", "leafLength", "leafWidth", "apex", "flower", "fitted"});
}

void readMaterials(const SessionJson& json, MaterialSet& materials, SessionChecks& checks) {
    const SessionJson& section = checks.object(json, "materials", "materials");
    for (const MaterialKey& material : MaterialKeys) {
        if (const SessionJson* value = SessionChecks::member(section, material.key)) {
            const std::string path = joinPath("materials", material.key);
            if (!value->is_array() || value->size() != 3) {
                SessionChecks::fail(path, "3 whole numbers from 0 to 255", *value);
            }
            RgbColor& color = materials.*material.color;
            color = {checks.integer((*value)[0], path + ".0", 0, 255),
                     checks.integer((*value)[1], path + ".1", 0, 255),
                     checks.integer((*value)[2], path + ".2", 0, 255)};
        }
    }
    checks.warnUnknown(section, "materials",
                       {"internode", "petiole", "frontLeaf", "backLeaf", "frontFlower",
                        "backFlower", "background", "land"});
}

} // namespace

std::optional<std::string> readSessionValues(const SessionJson& json, PlantProject& project,
                                             SessionChecks& checks) {
    checks.warnUnknown(json, "",
                       {"format", "version", "lsystem", "parameters", "growth", "materials", "leaf",
                        "flower", "placement", "texture", "view", "animation"});
    if (const SessionJson* lsystem = SessionChecks::member(json, "lsystem")) {
        project.lsystemText = linesText(*lsystem, "lsystem", checks);
    }
    readParameters(json, project.parameters, checks);
    readGrowth(json, project.growth, checks);
    readMaterials(json, project.materials, checks);
    readSurface(json, "leaf", SurfaceKind::Leaf, project.leaf, checks);
    readSurface(json, "flower", SurfaceKind::Flower, project.flower, checks);
    readPlacement(json, project.placement, checks);
    readView(json, project.view, checks);
    readAnimation(json, project.animation, checks);

    const SessionJson& texture = checks.object(json, "texture", "texture");
    checks.warnUnknown(texture, "texture", {"enabled", "file"});
    if (const SessionJson* enabled = SessionChecks::member(texture, "enabled")) {
        project.leafTextures.texturesEnabled = checks.boolean(*enabled, "texture.enabled");
    }
    const SessionJson* file = SessionChecks::member(texture, "file");
    if (file == nullptr || file->is_null()) {
        return std::nullopt;
    }
    return checks.text(*file, "texture.file");
}

} // namespace burgeon
