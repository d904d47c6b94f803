#include "app/cli/PlantOptions.h"

#include "app/cli/CompileWatch.h"
#include "app/cli/MessagePlace.h"
#include "app/cli/OrganOption.h"
#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "components/BuiltInShapes.h"
#include "components/LeafTextures.h"
#include "components/ShapeLibraryReader.h"
#include "components/SurfacePreparation.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"
#include "lsystem/ExampleLSystems.h"
#include "project/ParameterScales.h"
#include "project/PlantBuild.h"
#include "project/Session.h"

#include <climits>
#include <cmath>
#include <filesystem>
#include <ostream>

namespace burgeon {

namespace {

constexpr int MaxPictureSide = 8192;

// The lines of the --lsystem file, or of its --block, with the file's line they begin on.
LSystemBlock lsystemLines(const PlantOptions& options) {
    std::vector<std::string> lines = splitLines(readFileText(options.lsystem));
    if (options.block > 0) {
        auto blocks = lsystemBlocks(lines);
        if (static_cast<std::size_t>(options.block) > blocks.size()) {
            throw UsageError{"--block " + std::to_string(options.block) + ": " + options.lsystem +
                             " holds " + std::to_string(blocks.size()) + " L-system block(s)"};
        }
        return std::move(blocks[static_cast<std::size_t>(options.block - 1)]);
    }
    return {1, std::move(lines)};
}

// The plant the session gives, or the start-up plant with the built-in leaf and petal; the
// --set values apply to either.
bool startingPlant(PlantProject& project, const PlantOptions& options, const std::string& prefix,
                   std::ostream& err) {
    const std::string startFolder = std::filesystem::current_path().string();
    SessionReading reading;
    if (!options.session.empty()) {
        reading = openSession(options.session, startFolder, options.settings);
    } else {
        PlantProject startUp;
        startUp.leaf = builtInLeaf();
        startUp.flower = builtInPetal();
        if (options.settings.empty()) {
            project = std::move(startUp);
            return true;
        }
        reading =
            readSession(sessionText(startUp, "."), "--set", ".", startFolder, options.settings);
    }
    for (const Message& message : reading.messages) {
        err << (message.kind == MessageKind::Error ? prefix : "warning: ") << message.text << '\n';
    }
    if (reading.opened) {
        project = std::move(reading.project);
    }
    return reading.opened;
}

bool compileAndGenerate(PlantProject& project, RandomSource& random, const PlantOptions& options,
                        const std::string& prefix, std::ostream& err) {
    HeaderParameters source = HeaderParameters::FromProject;
    std::size_t firstLine = 1;
    if (!options.lsystem.empty()) {
        try {
            // The lines as the editor holds them: a trailing empty line does not survive it.
            const LSystemBlock block = lsystemLines(options);
            project.lsystemText = joinLines(block.lines);
            firstLine = block.firstLine;
        } catch (const StandardError& error) {
            err << error.what() << '\n';
            return false;
        }
        source = HeaderParameters::FromLSystem;
    }
    const CompileWatch watch(options.maxSeconds);
    const BuildOutcome built = buildPlant(project, random, source, watch.control());
    if (!built.completed) {
        // A session's L-system has no file line to name.
        printMessages(err, built.messages, options.lsystem, firstLine);
        if (built.compiled.stopped) {
            err << prefix << "the compilation stopped: " << watch.reason() << '\n';
            return false;
        }
        err << prefix << (options.lsystem.empty() ? options.session : options.lsystem)
            << " gives no plant\n";
    }
    return built.completed;
}

bool fitGrowthFile(PlantProject& project, const std::string& file, GrowthOrgan organ,
                   const std::string& prefix, std::ostream& err) {
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
        printMessages(err, messages, file);
        err << prefix << "no growth curve from " << file << '\n';
    }
    return completed;
}

// Each --growth FILE fits the organ of --organ; ORGAN=FILE fits that organ. Without any, a
// session's measured series is fitted again for the time axis.
bool fitGrowth(PlantProject& project, const PlantOptions& options, const std::string& prefix,
               std::ostream& err) {
    if (options.growth.empty()) {
        refitMeasuredSeries(project);
        return true;
    }
    for (const std::string& entry : options.growth) {
        const auto equals = entry.find('=');
        const auto& names = organNames();
        if (equals != std::string::npos &&
            std::find(names.begin(), names.end(), entry.substr(0, equals)) != names.end()) {
            if (!fitGrowthFile(project, entry.substr(equals + 1),
                               organFromName(entry.substr(0, equals), "--growth"), prefix, err)) {
                return false;
            }
        } else if (!fitGrowthFile(project, entry, organFromName(options.organ, "--organ"), prefix,
                                  err)) {
            return false;
        }
    }
    return true;
}

bool selectShapes(PlantProject& project, const PlantOptions& options, const std::string& prefix,
                  std::ostream& err) {
    if (options.shapes.empty()) {
        if (options.leaf || options.flower) {
            throw UsageError{"--leaf and --flower choose entries of a --shapes library"};
        }
        return true;
    }
    std::vector<OrganShape> entries;
    try {
        readShapeLibrary(readFileText(options.shapes), entries);
    } catch (const StandardError& error) {
        err << options.shapes << ": " << error.what() << '\n';
        if (const std::string place = messagePlace(error.lineNumber(), options.shapes);
            !place.empty()) {
            err << place << '\n';
        }
        return false;
    }
    const int count = static_cast<int>(entries.size());
    if (count == 0) {
        err << prefix << options.shapes << " holds no shapes\n";
        return false;
    }
    const auto entry = [&](const std::optional<int>& choice, const char* option) {
        const int k = choice.value_or(1);
        if (k < 1 || k > count) {
            throw UsageError{std::string(option) + " needs an entry from 1 to " +
                             std::to_string(count) + " of " + options.shapes};
        }
        return entries[static_cast<std::size_t>(k - 1)];
    };
    const OrganShape leafEntry = entry(options.leaf, "--leaf");
    const OrganShape flowerEntry = entry(options.flower, "--flower");
    copyShapeToSurface(leafEntry, project.leaf);
    prepareLeafShape(leafEntry, project.leaf);
    copyShapeToSurface(flowerEntry, project.flower);
    prepareFlowerShape(flowerEntry, project.flower);
    return true;
}

} // namespace

void PlantOptions::define(CLI::App& app) {
    app.add_option("--session", session, "the plant from a session file (.burgeon)");
    app.add_option("--set", settings,
                   "KEY=VALUE: a session value by its key path, e.g. "
                   "parameters.internodeLength=0.6 (repeatable)");
    app.add_option("--lsystem", lsystem, "the L-system file (instead of the session's)");
    app.add_option("--block", block, "the N-th L-system of a file that holds several")
        ->check(CLI::Range(1, INT_MAX));
    app.add_option("--seed", seed, "fixes the main stem's jitter and the wind (default: the time)")
        ->check(CLI::Range(0, INT_MAX));
    app.add_option("--growth", growth,
                   "growth data fitted for --organ, or ORGAN=FILE for one organ (repeatable)");
    app.add_option("--organ", organ, "the organ a --growth FILE is fitted for")
        ->check(CLI::IsMember(organNames()))
        ->capture_default_str();
    app.add_option("--shapes", shapes, "a leaf and flower shape library");
    app.add_option("--leaf", leaf, "the library entry of the leaf (default 1)")
        ->check(CLI::PositiveNumber);
    app.add_option("--flower", flower, "the library entry of the flower (default 1)")
        ->check(CLI::PositiveNumber);
    app.add_option("--texture", texture, "a built-in leaf texture")
        ->check(CLI::Range(1, static_cast<int>(BuiltInLeafTextureFiles.size())));
    app.add_option("--rotate", rotate, "X,Y,Z: the view's rotation in degrees");
    app.add_option("--max-seconds", maxSeconds,
                   "stops a compilation that takes longer (default: none; Ctrl-C stops it too)")
        ->check(CLI::PositiveNumber);
}

PictureSize parsePictureSize(const std::string& text) {
    const auto cross = text.find('x');
    int width = 0;
    int height = 0;
    try {
        if (cross == std::string::npos) {
            throw UsageError{};
        }
        width = parseInteger(text.substr(0, cross));
        height = parseInteger(text.substr(cross + 1));
    } catch (...) {
        throw UsageError{"--size needs WIDTHxHEIGHT, not '" + text + "'"};
    }
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide) {
        throw UsageError{"--size: each side must be 1.." + std::to_string(MaxPictureSide)};
    }
    return {width, height};
}

std::array<double, 3> parseRotation(const std::string& text) {
    std::array<double, 3> angles{0.0, 0.0, 0.0};
    std::size_t start = 0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const auto comma = text.find(',', start);
        const bool last = axis == 2;
        if (last != (comma == std::string::npos)) {
            throw UsageError{"--rotate needs X,Y,Z in degrees, not '" + text + "'"};
        }
        const std::string part = text.substr(start, last ? std::string::npos : comma - start);
        if (!tryParseFloat(part, angles[axis]) || !std::isfinite(angles[axis])) {
            throw UsageError{"--rotate needs X,Y,Z in degrees, not '" + text + "'"};
        }
        start = comma + 1;
    }
    return angles;
}

bool buildPlantFromOptions(CommandPlant& plant, const PlantOptions& options,
                           const std::string& command, std::ostream& err) {
    const std::string prefix = "burgeon " + command + ": ";
    if (options.session.empty() && options.lsystem.empty()) {
        throw UsageError{"--lsystem FILE or --session FILE is needed"};
    }
    const std::optional<std::array<double, 3>> angles =
        options.rotate.empty() ? std::nullopt : std::optional(parseRotation(options.rotate));
    organFromName(options.organ, "--organ");
    PlantProject& project = plant.project;
    if (!startingPlant(project, options, prefix, err)) {
        return false;
    }
    const std::uint32_t timeOfDay = static_cast<std::uint32_t>(SystemClock().millisecondsOfDay());
    const std::uint32_t seed = options.seed ? static_cast<std::uint32_t>(*options.seed) : timeOfDay;
    RandomSource random(seed);
    plant.clock.millisecondsOfDayValue = static_cast<int>(seed);
    if (!compileAndGenerate(project, random, options, prefix, err) ||
        !fitGrowth(project, options, prefix, err) || !selectShapes(project, options, prefix, err)) {
        return false;
    }
    if (options.texture) {
        loadListLeafTexture(
            project.leafTextures,
            BuiltInLeafTextureFiles[static_cast<std::size_t>(*options.texture - 1)]);
    }
    if (angles) {
        project.view.rotationX = (*angles)[0];
        project.view.rotationY = (*angles)[1];
        project.view.rotationZ = (*angles)[2];
    }
    return true;
}

} // namespace burgeon
