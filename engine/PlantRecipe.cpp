#include "engine/PlantRecipe.h"

#include "base/FileIo.h"
#include "base/MessagePlace.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "components/BuiltInShapes.h"
#include "components/LeafTextures.h"
#include "components/ShapeLibraryReader.h"
#include "components/SurfacePreparation.h"
#include "engine/StopCondition.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"
#include "growth/GrowthOrganNames.h"
#include "lsystem/ExampleLSystems.h"
#include "project/PlantBuild.h"
#include "project/Session.h"

#include <algorithm>
#include <filesystem>

namespace burgeon {

namespace {

// Thrown inside the recipe's steps for a request that cannot be met.
struct BadRequest {
    std::string text;
};

// The L-system's name in messages: its file, or the session it came from.
std::string lsystemName(const PlantRecipe& recipe) {
    if (!recipe.lsystemFile.empty()) {
        return recipe.lsystemFile;
    }
    if (recipe.lsystemText) {
        return "the L-system";
    }
    if (recipe.session.empty() && recipe.sessionSource) {
        return recipe.sessionSource->name;
    }
    return recipe.session;
}

// The lines of the L-system, or of its block, with the line of the text they begin on.
LSystemBlock lsystemLines(const PlantRecipe& recipe) {
    const std::string text =
        recipe.lsystemText ? *recipe.lsystemText : readFileText(recipe.lsystemFile);
    std::vector<std::string> lines = splitLines(text);
    if (recipe.block > 0) {
        auto blocks = lsystemBlocks(lines);
        if (static_cast<std::size_t>(recipe.block) > blocks.size()) {
            throw BadRequest{"--block " + std::to_string(recipe.block) + ": " +
                             lsystemName(recipe) + " holds " + std::to_string(blocks.size()) +
                             " L-system block(s)"};
        }
        return std::move(blocks[static_cast<std::size_t>(recipe.block - 1)]);
    }
    return {1, std::move(lines)};
}

// The plant the session gives, or the start-up plant with the built-in leaf and petal; the
// settings apply to either.
bool startingPlant(PlantProject& project, const PlantRecipe& recipe, Outcome& outcome) {
    SessionReading reading;
    if (recipe.sessionSource) {
        const SessionSource& source = *recipe.sessionSource;
        reading = readSession(source.text, source.name, source.folder, recipe.startFolder,
                              recipe.settings);
    } else if (!recipe.session.empty()) {
        reading = openSession(recipe.session, recipe.startFolder, recipe.settings);
    } else {
        PlantProject startUp;
        startUp.leaf = builtInLeaf();
        startUp.flower = builtInPetal();
        if (recipe.settings.empty()) {
            project = std::move(startUp);
            return true;
        }
        reading = readSession(sessionText(startUp, "."), "--set", ".", recipe.startFolder,
                              recipe.settings);
    }
    for (const Message& message : reading.messages) {
        outcome.add(message.kind == MessageKind::Error ? Notice::Kind::Failure
                                                       : Notice::Kind::Warning,
                    message.text);
    }
    if (!reading.opened) {
        outcome.ending = Outcome::Ending::Failed;
        return false;
    }
    project = std::move(reading.project);
    return true;
}

bool compileAndGenerate(HeadlessPlant& plant, RandomSource& random, const PlantRecipe& recipe,
                        const StopCondition& stop, const ProgressCallback& progress,
                        Outcome& outcome) {
    PlantProject& project = plant.project;
    HeaderParameters source = HeaderParameters::FromProject;
    std::size_t firstLine = 1;
    const bool ownLSystem = !recipe.lsystemFile.empty() || recipe.lsystemText;
    if (ownLSystem) {
        try {
            // The lines as the editor holds them: a trailing empty line does not survive it.
            const LSystemBlock block = lsystemLines(recipe);
            project.lsystemText = joinLines(block.lines);
            firstLine = block.firstLine;
        } catch (const StandardError& error) {
            outcome.add(Notice::Kind::Detail, error.what());
            outcome.ending = Outcome::Ending::Failed;
            return false;
        }
        source = HeaderParameters::FromLSystem;
    }
    RewriteControl control = stop.rewriteControl();
    control.progress = progress;
    const BuildOutcome built = buildPlant(project, random, source, control);
    if (built.completed) {
        plant.lsystemSource = {recipe.lsystemFile, firstLine};
        return true;
    }
    // A session's L-system has no file line to name.
    for (const Message& message : built.messages) {
        outcome.add(Notice::Kind::Message, message.text,
                    messagePlace(message.line, recipe.lsystemFile, firstLine));
    }
    if (built.compiled.stopped) {
        outcome.ending = Outcome::Ending::Stopped;
        outcome.stopCause = stop.cause();
        return false;
    }
    outcome.fail(lsystemName(recipe) + " gives no plant");
    return false;
}

bool fitGrowthFile(PlantProject& project, const std::string& file, GrowthOrgan organ,
                   Outcome& outcome) {
    Messages messages;
    bool completed = false;
    try {
        const std::string text = readGrowthDataFile(file);
        const FitOutcome fitted = fitGrowthData(splitLines(text), project.growth.fittedData);
        messages = fitted.messages;
        completed = fitted.completed;
        if (completed) {
            commitFittedCurve(project.growth, organ, fitted.curve, text);
        }
    } catch (const StandardError& error) {
        addError(messages, error.what());
    }
    if (!completed) {
        for (const Message& message : messages) {
            outcome.add(Notice::Kind::Message, message.text, messagePlace(message.line, file));
        }
        outcome.fail("no growth curve from " + file);
    }
    return completed;
}

GrowthOrgan organNamed(const std::string& name, const std::string& option) {
    if (const auto organ = growthOrganNamed(name)) {
        return *organ;
    }
    throw BadRequest{growthOrganNameError(option, name)};
}

// Each FILE fits the recipe's organ; ORGAN=FILE fits that organ. Without any, a session's
// measured series is fitted again for the time axis.
bool fitGrowth(PlantProject& project, const PlantRecipe& recipe, Outcome& outcome) {
    if (recipe.growth.empty()) {
        // The session reader checked the data; a refit that still fails is told, not dropped.
        const Messages refit = refitMeasuredSeries(project);
        const bool failed = std::any_of(refit.begin(), refit.end(), [](const Message& message) {
            return message.kind == MessageKind::Error;
        });
        if (failed) {
            for (const Message& message : refit) {
                outcome.add(Notice::Kind::Message, message.text);
            }
            outcome.fail("the growth data of " + lsystemName(recipe) + " gives no curve");
        }
        return !failed;
    }
    for (const std::string& entry : recipe.growth) {
        const auto equals = entry.find('=');
        const auto& names = growthOrganNames();
        const bool named =
            equals != std::string::npos &&
            std::find(names.begin(), names.end(), entry.substr(0, equals)) != names.end();
        const std::string file = named ? entry.substr(equals + 1) : entry;
        const GrowthOrgan organ = named ? organNamed(entry.substr(0, equals), "--growth")
                                        : organNamed(recipe.organ, "--organ");
        if (!fitGrowthFile(project, file, organ, outcome)) {
            return false;
        }
    }
    return true;
}

const OrganShape& libraryEntry(const std::vector<OrganShape>& entries, std::optional<int> choice,
                               const char* option, const std::string& library) {
    const int count = static_cast<int>(entries.size());
    const int k = choice.value_or(1);
    if (k < 1 || k > count) {
        throw BadRequest{std::string(option) + " needs an entry from 1 to " +
                         std::to_string(count) + " of " + library};
    }
    return entries[static_cast<std::size_t>(k - 1)];
}

bool selectShapes(PlantProject& project, const PlantRecipe& recipe, Outcome& outcome) {
    if (recipe.shapes.empty()) {
        if (recipe.leaf || recipe.flower) {
            throw BadRequest{"--leaf and --flower choose entries of a --shapes library"};
        }
        return true;
    }
    std::vector<OrganShape> entries;
    try {
        readShapeLibrary(readFileText(recipe.shapes), entries);
    } catch (const StandardError& error) {
        outcome.add(Notice::Kind::Detail, recipe.shapes + ": " + error.what(),
                    messagePlace(error.lineNumber(), recipe.shapes));
        outcome.ending = Outcome::Ending::Failed;
        return false;
    }
    if (entries.empty()) {
        outcome.fail(recipe.shapes + " holds no shapes");
        return false;
    }
    const OrganShape& leafEntry = libraryEntry(entries, recipe.leaf, "--leaf", recipe.shapes);
    const OrganShape& flowerEntry = libraryEntry(entries, recipe.flower, "--flower", recipe.shapes);
    copyShapeToSurface(leafEntry, project.leaf);
    prepareLeafShape(leafEntry, project.leaf);
    copyShapeToSurface(flowerEntry, project.flower);
    prepareFlowerShape(flowerEntry, project.flower);
    return true;
}

bool buildFromRecipe(HeadlessPlant& plant, const PlantRecipe& recipe, const StopCondition& stop,
                     const ProgressCallback& progress, Outcome& outcome) {
    PlantProject& project = plant.project;
    organNamed(recipe.organ, "--organ");
    if (recipe.texture && (*recipe.texture < 1 ||
                           *recipe.texture > static_cast<int>(BuiltInLeafTextureFiles.size()))) {
        throw BadRequest{"--texture: " + std::to_string(*recipe.texture) +
                         " is not a whole number from 1 to " +
                         std::to_string(BuiltInLeafTextureFiles.size())};
    }
    if (!startingPlant(project, recipe, outcome)) {
        return false;
    }
    const auto timeOfDay = static_cast<std::uint32_t>(SystemClock().millisecondsOfDay());
    const std::uint32_t seed = recipe.seed ? static_cast<std::uint32_t>(*recipe.seed) : timeOfDay;
    RandomSource random(seed);
    plant.clock.millisecondsOfDayValue = static_cast<int>(seed);
    if (!compileAndGenerate(plant, random, recipe, stop, progress, outcome) ||
        !fitGrowth(project, recipe, outcome) || !selectShapes(project, recipe, outcome)) {
        return false;
    }
    if (recipe.texture) {
        loadListLeafTexture(project.leafTextures,
                            BuiltInLeafTextureFiles[static_cast<std::size_t>(*recipe.texture - 1)]);
    }
    if (recipe.rotation) {
        project.view.rotationX = (*recipe.rotation)[0];
        project.view.rotationY = (*recipe.rotation)[1];
        project.view.rotationZ = (*recipe.rotation)[2];
    }
    if (recipe.detail) {
        project.view.detail = *recipe.detail;
    }
    return true;
}

} // namespace

Outcome openPlant(const PlantRecipe& recipe, HeadlessPlant& plant, const StopCondition& stop,
                  const ProgressCallback& progress) {
    Outcome outcome;
    if (recipe.session.empty() && !recipe.sessionSource && recipe.lsystemFile.empty() &&
        !recipe.lsystemText) {
        return outcome.refuse("--lsystem FILE or --session FILE is needed");
    }
    PlantRecipe resolved = recipe;
    if (resolved.startFolder.empty()) {
        resolved.startFolder = std::filesystem::current_path().string();
    }
    auto built = std::make_unique<HeadlessPlant>();
    try {
        if (!buildFromRecipe(*built, resolved, stop, progress, outcome)) {
            return outcome;
        }
    } catch (const BadRequest& request) {
        return outcome.refuse(request.text);
    }
    plant = std::move(*built);
    return outcome;
}

} // namespace burgeon
