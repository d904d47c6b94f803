#include "app/cli/PlantOptions.h"

#include "app/cli/OrganOption.h"
#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "components/BuiltInShapes.h"
#include "components/ShapeLibraryReader.h"
#include "components/SurfacePreparation.h"
#include "components/LeafTextures.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"
#include "lsystem/ExampleLSystems.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"
#include "project/ParameterScales.h"

#include <climits>
#include <cmath>
#include <ostream>

namespace burgeon {

namespace {

constexpr int MaxPictureSide = 8192;

void printMessages(std::ostream& err, const Messages& messages) {
    for (const Message& message : messages) {
        err << "message: " << message.text << '\n';
    }
}

std::vector<std::string> lsystemLines(const Arguments& args, const std::string& fileName) {
    std::vector<std::string> lines = splitLines(readFileText(fileName));
    const int block = args.integerOption("block", 0, 1, INT_MAX);
    if (block > 0) {
        const auto blocks = splitLSystemBlocks(lines);
        if (static_cast<std::size_t>(block) > blocks.size()) {
            throw UsageError{"--block " + std::to_string(block) + ": " + fileName + " holds " +
                             std::to_string(blocks.size()) + " L-system block(s)"};
        }
        lines = blocks[static_cast<std::size_t>(block - 1)];
    }
    return lines;
}

bool compileAndGenerate(PlantProject& project, RandomSource& random, const Arguments& args,
                        const std::string& prefix, std::ostream& err) {
    const std::string fileName = *args.option("lsystem");
    std::vector<std::string> lines;
    try {
        lines = lsystemLines(args, fileName);
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return false;
    }
    // The lines as the editor holds them: a trailing empty line does not survive the editor.
    project.lsystemText = joinLines(lines);
    const CompileOutcome compiled = compileLSystem(splitLines(project.lsystemText), project.plant);
    if (compiled.angle) {
        setParameterAsSlider(project.parameters, "turnStep", *compiled.angle);
    }
    if (compiled.diameter) {
        setParameterAsSlider(project.parameters, "nodeDiameter", *compiled.diameter);
    }
    Messages messages = compiled.messages;
    bool completed = compiled.completed;
    if (completed) {
        const GenerateOutcome generated =
            generatePlant(project.plant, project.parameters.turnStep, random);
        messages.insert(messages.end(), generated.messages.begin(), generated.messages.end());
        completed = generated.completed;
    }
    if (!completed) {
        printMessages(err, messages);
        err << prefix << fileName << " gives no plant\n";
    }
    return completed;
}

bool fitGrowth(PlantProject& project, const Arguments& args, const std::string& prefix,
               std::ostream& err) {
    const auto data = args.option("growth");
    if (!data) {
        return true;
    }
    Messages messages;
    bool completed = false;
    try {
        const std::string text = readGrowthDataFile(*data);
        const FitOutcome fitted = fitGrowthData(splitLines(text), project.growth.fittedData);
        messages = fitted.messages;
        completed = fitted.completed;
        if (completed) {
            commitFittedCurve(project.growth, static_cast<GrowthOrgan>(organOption(args)),
                              fitted.curve, text);
        }
    } catch (const StandardError& error) {
        addError(messages, error.what());
    }
    if (!completed) {
        printMessages(err, messages);
        err << prefix << "no growth curve from " << *data << '\n';
    }
    return completed;
}

bool selectShapes(PlantProject& project, const Arguments& args, const std::string& prefix,
                  std::ostream& err) {
    const auto library = args.option("shapes");
    if (!library) {
        if (args.has("leaf") || args.has("flower")) {
            throw UsageError{"--leaf and --flower choose entries of a --shapes library"};
        }
        return true;
    }
    std::vector<OrganShape> entries;
    try {
        readShapeLibrary(readFileText(*library), entries);
    } catch (const StandardError& error) {
        err << *library << ": " << error.what() << '\n';
        return false;
    }
    const int count = static_cast<int>(entries.size());
    if (count == 0) {
        err << prefix << *library << " holds no shapes\n";
        return false;
    }
    const int leaf = args.integerOption("leaf", 1, 1, count);
    const int flower = args.integerOption("flower", 1, 1, count);
    const OrganShape& leafEntry = entries[static_cast<std::size_t>(leaf - 1)];
    copyShapeToSurface(leafEntry, project.leaf);
    prepareLeafShape(leafEntry, project.leaf);
    const OrganShape& flowerEntry = entries[static_cast<std::size_t>(flower - 1)];
    copyShapeToSurface(flowerEntry, project.flower);
    prepareFlowerShape(flowerEntry, project.flower);
    return true;
}

} // namespace

PictureSize pictureSize(const Arguments& args) {
    PictureSize size;
    const auto text = args.option("size");
    if (!text) {
        return size;
    }
    const auto cross = text->find('x');
    int width = 0;
    int height = 0;
    try {
        if (cross == std::string::npos) {
            throw UsageError{};
        }
        width = parseInteger(text->substr(0, cross));
        height = parseInteger(text->substr(cross + 1));
    } catch (...) {
        throw UsageError{"--size needs WIDTHxHEIGHT, not '" + *text + "'"};
    }
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide) {
        throw UsageError{"--size: each side must be 1.." + std::to_string(MaxPictureSide)};
    }
    return {width, height};
}

std::array<double, 3> rotation(const Arguments& args) {
    std::array<double, 3> angles{0.0, 0.0, 0.0};
    const auto text = args.option("rotate");
    if (!text) {
        return angles;
    }
    std::size_t start = 0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const auto comma = text->find(',', start);
        const bool last = axis == 2;
        if (last != (comma == std::string::npos)) {
            throw UsageError{"--rotate needs X,Y,Z in degrees, not '" + *text + "'"};
        }
        const std::string part = text->substr(start, last ? std::string::npos : comma - start);
        if (!tryParseFloat(part, angles[axis]) || !std::isfinite(angles[axis])) {
            throw UsageError{"--rotate needs X,Y,Z in degrees, not '" + *text + "'"};
        }
        start = comma + 1;
    }
    return angles;
}

bool buildPlantFromOptions(CommandPlant& command, const Arguments& args, const std::string& name,
                           std::ostream& err) {
    const std::string prefix = "burgeon " + name + ": ";
    PlantProject& project = command.project;
    project.leaf = builtInLeaf();
    project.flower = builtInPetal();
    const int seed = args.integerOption("seed", -1, 0, INT_MAX);
    const int texture =
        args.integerOption("texture", 0, 1, static_cast<int>(BuiltInLeafTextureFiles.size()));
    const std::array<double, 3> angles = rotation(args);
    organOption(args);
    const std::uint32_t timeOfDay = static_cast<std::uint32_t>(SystemClock().millisecondsOfDay());
    RandomSource random(seed >= 0 ? static_cast<std::uint32_t>(seed) : timeOfDay);
    command.clock.millisecondsOfDayValue = seed >= 0 ? seed : timeOfDay;
    if (!compileAndGenerate(project, random, args, prefix, err) ||
        !fitGrowth(project, args, prefix, err) || !selectShapes(project, args, prefix, err)) {
        return false;
    }
    if (texture > 0) {
        loadListLeafTexture(project.leafTextures,
                            BuiltInLeafTextureFiles[static_cast<std::size_t>(texture - 1)]);
    }
    project.view.RotationX = angles[0];
    project.view.RotationY = angles[1];
    project.view.RotationZ = angles[2];
    return true;
}

} // namespace burgeon
