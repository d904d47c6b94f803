#include "engine/PlantSettings.h"

#include "base/TextLines.h"
#include "project/Session.h"
#include "project/SessionChecks.h"
#include "project/SessionKeys.h"

#include <filesystem>

namespace burgeon {

namespace {

// The session of the plant as JSON, its texture named from the current folder.
SessionJson sessionJson(const PlantProject& project) {
    return SessionJson::parse(sessionText(project, std::filesystem::current_path().string()));
}

void collectKeys(const SessionJson& object, const std::string& path,
                 std::vector<std::string>& keys) {
    for (const auto& [key, value] : object.items()) {
        std::string keyPath = path;
        if (!keyPath.empty()) {
            keyPath += '.';
        }
        keyPath += key;
        if (value.is_object() && !value.empty()) {
            collectKeys(value, keyPath, keys);
        } else {
            keys.push_back(keyPath);
        }
    }
}

} // namespace

PlantSession plantSession(const HeadlessPlant& plant, const PlantNames& names) {
    const std::string folder = std::filesystem::current_path().string();
    return {sessionText(plant.project, folder), folder,
            static_cast<int>(plant.clock.millisecondsOfDayValue), names};
}

PlantRecipe sessionRecipe(const PlantSession& session) {
    PlantRecipe recipe;
    const PlantNames& names = session.names;
    const bool fromSession = !names.sessionFile.empty();
    recipe.session = fromSession ? names.sessionFile : names.lsystemFile;
    recipe.sessionSource =
        SessionSource{session.text, fromSession ? names.sessionFile : "--set", session.folder};
    recipe.seed = session.seed;
    recipe.startFolder = session.folder;
    return recipe;
}

Outcome changePlantSettings(HeadlessPlant& plant, const PlantNames& names,
                            const std::vector<std::string>& settings, const StopCondition& stop,
                            const ProgressCallback& progress) {
    PlantRecipe recipe = sessionRecipe(plantSession(plant, names));
    recipe.settings = settings;
    const LSystemSource source = plant.lsystemSource;
    const std::string lsystemText = plant.project.lsystemText;
    Outcome outcome = openPlant(recipe, plant, stop, progress);
    if (outcome.completed() && plant.project.lsystemText == lsystemText) {
        plant.lsystemSource = source;
    }
    return outcome;
}

std::optional<std::string> plantSetting(const PlantProject& project, const std::string& keyPath) {
    const SessionJson json = sessionJson(project);
    const SessionJson* value = &json;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = keyPath.find('.', start);
        const std::string segment = keyPath.substr(start, dot - start);
        if (value->is_object()) {
            value = SessionChecks::member(*value, segment);
        } else if (value->is_array() && !segment.empty() &&
                   segment.find_first_not_of("0123456789") == std::string::npos &&
                   segment.size() < 10 && std::stoul(segment) < value->size()) {
            value = &(*value)[std::stoul(segment)];
        } else {
            value = nullptr;
        }
        if (value == nullptr) {
            return std::nullopt;
        }
        if (dot == std::string::npos) {
            return value->dump(-1, ' ', false, SessionJson::error_handler_t::replace);
        }
        start = dot + 1;
    }
}

std::vector<std::string> plantSettingKeys(const PlantProject& project) {
    std::vector<std::string> keys;
    collectKeys(sessionJson(project), "", keys);
    return keys;
}

std::string unknownSettingText(const std::string& keyPath) {
    return keyPath + ": a session has no such key";
}

std::vector<std::string> growthCurveSettings(GrowthOrgan organ, const GrowthFunction& curve,
                                             const std::string& dataText) {
    SessionJson value = {{"bottom", curve.bottom},
                         {"top", curve.top},
                         {"slope", curve.slope},
                         {"tmid", curve.tmid},
                         {"data", SessionJson::array()}};
    for (const std::string& line : splitLines(dataText)) {
        value["data"].push_back(line);
    }
    const std::string text = value.dump(-1, ' ', false, SessionJson::error_handler_t::replace);
    std::vector<std::string> settings;
    for (std::size_t index = 0; index < OrganKeys.size(); ++index) {
        if (organ == GrowthOrgan::All || organ == static_cast<GrowthOrgan>(index)) {
            settings.push_back("growth." + std::string(OrganKeys[index]) + "=" + text);
        }
    }
    if (!dataText.empty()) {
        settings.push_back("growth.fitted=\"" + std::string(organKey(organ)) + "\"");
    }
    return settings;
}

} // namespace burgeon
