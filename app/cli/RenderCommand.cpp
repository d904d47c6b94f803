#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"
#include "app/cli/OrganOption.h"
#include "app/cli/RenderSession.h"

#include "base/Clock.h"
#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/RecordingUserInterface.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "components/LeafTextures.h"
#include "components/MaterialPage.h"
#include "components/MaterialSet.h"
#include "components/OrganShape.h"
#include "components/ShapeLibraryReader.h"
#include "components/SurfacePreparation.h"
#include "controls/ParameterPage.h"
#include "controls/ViewState.h"
#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"
#include "growth/GrowthFunctionPage.h"
#include "imageio/BmpWriter.h"
#include "imageio/JpegWriter.h"
#include "imageio/PngWriter.h"
#include "lsystem/ExampleLSystems.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/LSystemEditorPage.h"
#include "lsystem/LSystemWorkspace.h"
#include "lsystem/PlantGenerator.h"
#include "render/BuiltInShapes.h"
#include "render/HeadlessContext.h"
#include "render/OrganTable.h"
#include "render/PlantDrawing.h"
#include "render/RecordingTarget.h"
#include "render/Renderer.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <memory>
#include <ostream>

namespace burgeon {

const char* const renderUsage =
    "burgeon render --lsystem FILE [--block N] [--seed N] [--growth DATA] [--organ NAME] "
    "[--shapes LIB [--leaf K] [--flower K]] [--texture N] [--time T] [--size WxH] "
    "[--rotate X,Y,Z] [--out FILE] [--organs FILE.csv]";

namespace {

constexpr int MaxPictureSide = 8192;

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

namespace {

std::string lowerExtension(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    const auto slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return "";
    }
    std::string extension = fileName.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

void writePicture(const std::string& fileName, const RgbImage& image) {
    const std::string extension = lowerExtension(fileName);
    if (extension == "png") {
        writePngFile(fileName, image);
    } else if (extension == "jpg" || extension == "jpeg") {
        // The start-up quality of "Jpeg Compression (%)".
        writeJpegFile(fileName, image, 80);
    } else {
        writeBmpFile(fileName, image);
    }
}

void printMessages(std::ostream& err, const RecordingUserInterface& ui) {
    for (const std::string& message : ui.messages) {
        err << "message: " << message << '\n';
    }
}

} // namespace

static bool compileAndGenerate(RenderSession& session, const Arguments& args, std::ostream& err) {
    const std::string fileName = *args.option("lsystem");
    std::vector<std::string> lines;
    try {
        lines = splitLines(readFileText(fileName));
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return false;
    }
    const int block = args.integerOption("block", 0, 1, INT_MAX);
    if (block > 0) {
        const auto blocks = splitLSystemBlocks(lines);
        if (static_cast<std::size_t>(block) > blocks.size()) {
            throw UsageError{"--block " + std::to_string(block) + ": " + fileName + " holds " +
                             std::to_string(blocks.size()) + " L-system block(s)"};
        }
        lines = blocks[static_cast<std::size_t>(block - 1)];
    }
    session.editor.sourceEditor.setLines(lines);
    const bool completed =
        pressCompileLSystem(session.workspace) && pressGeneratePlant(session.workspace);
    if (!completed) {
        printMessages(err, session.ui);
        err << "burgeon render: " << fileName << " gives no plant\n";
    }
    return completed;
}

static bool fitGrowth(RenderSession& session, const Arguments& args, std::ostream& err) {
    const auto data = args.option("growth");
    if (!data) {
        return true;
    }
    RecordingUserInterface ui;
    GrowthFunctionPage page(ui, session.curves, session.growthData);
    page.functionChoice.setItemIndex(organOption(args));
    ui.fileAnswers.push_back(*data);
    const bool completed = page.readData() && page.fitCurve();
    if (!completed) {
        printMessages(err, ui);
        err << "burgeon render: no growth curve from " << *data << '\n';
    }
    return completed;
}

static bool selectShapes(RenderSession& session, const Arguments& args, std::ostream& err) {
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
        err << "burgeon render: " << *library << " holds no shapes\n";
        return false;
    }
    const int leaf = args.integerOption("leaf", 1, 1, count);
    const int flower = args.integerOption("flower", 1, 1, count);
    const OrganShape& leafEntry = entries[static_cast<std::size_t>(leaf - 1)];
    copyShapeToSurface(leafEntry, session.leaf);
    prepareLeafShape(leafEntry, session.leaf);
    const OrganShape& flowerEntry = entries[static_cast<std::size_t>(flower - 1)];
    copyShapeToSurface(flowerEntry, session.flower);
    prepareFlowerShape(flowerEntry, session.flower);
    return true;
}

bool prepareRenderSession(RenderSession& session, const Arguments& args, std::ostream& err) {
    const int seed = args.integerOption("seed", -1, 0, INT_MAX);
    const int texture =
        args.integerOption("texture", 0, 1, static_cast<int>(BuiltInLeafTextureFiles.size()));
    const std::array<double, 3> angles = rotation(args);
    organOption(args);
    const std::uint32_t timeOfDay = static_cast<std::uint32_t>(SystemClock().millisecondsOfDay());
    session.random.seed(seed >= 0 ? static_cast<std::uint32_t>(seed) : timeOfDay);
    session.clock.millisecondsOfDayValue = seed >= 0 ? seed : timeOfDay;
    if (!compileAndGenerate(session, args, err) || !fitGrowth(session, args, err) ||
        !selectShapes(session, args, err)) {
        return false;
    }
    session.sliders = session.parameterPage.sliderHeld();
    if (texture > 0) {
        loadListLeafTexture(session.leafTextures,
                            BuiltInLeafTextureFiles[static_cast<std::size_t>(texture - 1)]);
    }
    session.view.RotationX = angles[0];
    session.view.RotationY = angles[1];
    session.view.RotationZ = angles[2];
    return true;
}

int runRenderCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    const Arguments args(arguments,
                         {"lsystem", "block", "seed", "growth", "organ", "shapes", "leaf", "flower",
                          "texture", "time", "size", "rotate", "out", "organs"},
                         {});
    if (!args.positional().empty()) {
        throw UsageError{"unexpected argument '" + args.positional().front() + "'"};
    }
    if (!args.has("lsystem")) {
        throw UsageError{"--lsystem FILE is needed"};
    }
    const double time = args.numberOption("time", 1.0);
    if (!std::isfinite(time)) {
        throw UsageError{"--time needs a finite number"};
    }
    const PictureSize size = pictureSize(args);
    const std::string outFile = args.option("out").value_or("plant.png");
    const std::string extension = lowerExtension(outFile);
    if (extension != "png" && extension != "bmp" && extension != "jpg" && extension != "jpeg") {
        throw UsageError{"--out needs a .png, .bmp or .jpg file, not '" + outFile + "'"};
    }
    rotation(args);
    organOption(args);

    auto session = std::make_unique<RenderSession>();
    if (!prepareRenderSession(*session, args, err)) {
        return 1;
    }

    try {
        HeadlessContext context(size.width, size.height);
        Renderer renderer(context, session->inputs());
        renderer.initialize("grass1.bmp");
        renderer.setProjection(size.width, size.height);
        renderer.beginFrame();
        renderer.applyViewTransform();
        renderer.drawLand();
        if (session->view.ShowAxes) {
            renderer.drawAxes();
        }
        // The turntable of the view turns the plant late on the time axis.
        const double turnFrom = static_cast<double>(roundHalfEven(
            std::abs(1.0 - session->parameters.NodeBirthRate) * session->growthData.LifeCycleTime +
            100.0));
        if (time > turnFrom) {
            renderer.rotateTurntable(time * 360.0 / 40.0);
        }
        renderer.drawPlant(time);
        glFinish();
        writePicture(outFile, renderer.readPixels(size.width, size.height));
    } catch (const HeadlessContextError& error) {
        err << "burgeon render: no OpenGL context: " << error.what() << '\n';
        return 1;
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return 1;
    }

    if (const auto organsFile = args.option("organs")) {
        RecordingTarget recording;
        PlantScene scene;
        scene.plant = &session->plant;
        scene.parameters = &session->parameters;
        scene.sliders = &session->sliders;
        scene.curves = &session->curves;
        scene.plantScale = session->view.PlantScale;
        scene.clock = &session->clock;
        drawPlant(scene, recording, time);
        try {
            writeFileAtomically(*organsFile, organTableCsv(session->plant, recording.organs()));
        } catch (const StandardError& error) {
            err << error.what() << '\n';
            return 1;
        }
    }
    out << outFile << ": " << size.width << " x " << size.height << ", " << session->plant.NodeCount
        << " organs at time " << formatGeneral(time) << '\n';
    return 0;
}

} // namespace burgeon
