#pragma once

#include "base/Progress.h"
#include "engine/Outcome.h"
#include "engine/PlantRecipe.h"
#include "growth/GrowthCurves.h"

#include <optional>
#include <string>
#include <vector>

namespace burgeon {

class StopCondition;

// How messages name a plant: the session file it was opened from, as it was given, or, for a
// plant made from an L-system, that L-system's file (empty for one given as text).
struct PlantNames {
    std::string sessionFile;
    std::string lsystemFile;
};

// A plant as its session text, with what makes the same plant from it again: the folder its
// leaf texture is named from (the current one when it was written), its seed and its names.
struct PlantSession {
    std::string text;
    std::string folder;
    int seed = 0;
    PlantNames names;
};

PlantSession plantSession(const HeadlessPlant& plant, const PlantNames& names);

// The recipe that makes the plant again from its session, with the same seed; its values are
// named in messages as the session file's or, for a plant made from an L-system, as --set
// values, as the command line names them.
PlantRecipe sessionRecipe(const PlantSession& session);

// Changes values of the plant by their key paths ("parameters.internodeLength=0.4"), as --set
// changes them when a session is opened: with the same checks and messages, then the plant is
// built again from its session with its seed (its L-system keeps its file while its text stays
// the same). The plant changes only when the outcome completed.
Outcome changePlantSettings(HeadlessPlant& plant, const PlantNames& names,
                            const std::vector<std::string>& settings, const StopCondition& stop,
                            const ProgressCallback& progress = {});

// The value at a key path of the plant's session ("view.rotation", "view.rotation.1") as JSON
// text; nothing when a session has no such key.
std::optional<std::string> plantSetting(const PlantProject& project, const std::string& keyPath);

// Every key path of the plant's session down to its values, in the session's order; lists
// (the L-system's lines, colours, points) are values of their own.
std::vector<std::string> plantSettingKeys(const PlantProject& project);

// "KEY: a session has no such key", the message of a key path no session has.
std::string unknownSettingText(const std::string& keyPath);

// The settings that give an organ (or, with GrowthOrgan::All, all six) a curve and the growth
// data it was fitted to (none for a curve typed in); a fitted curve's data also becomes the
// measured series that sets the time axis.
std::vector<std::string> growthCurveSettings(GrowthOrgan organ, const GrowthFunction& curve,
                                             const std::string& dataText);

} // namespace burgeon
