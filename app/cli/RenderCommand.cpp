#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"
#include "app/cli/OrganOption.h"
#include "app/cli/PlantOptions.h"

#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/StandardError.h"
#include "drawing/OrganTable.h"
#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "imageio/BmpWriter.h"
#include "imageio/JpegWriter.h"
#include "imageio/PngWriter.h"
#include "render/FrameScene.h"
#include "render/HeadlessContext.h"
#include "render/Renderer.h"
#include "render/RendererCanvas.h"

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

} // namespace

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

    auto plant = std::make_unique<CommandPlant>();
    if (!buildPlantFromOptions(*plant, args, "render", err)) {
        return 1;
    }
    PlantProject& project = plant->project;

    try {
        HeadlessContext context(size.width, size.height);
        Renderer renderer(context, project, plant->clock);
        renderer.initialize("grass1.bmp");
        renderer.setProjection(size.width, size.height);
        RendererCanvas canvas(project, renderer, size.width, size.height);
        drawScene(canvas, project, time);
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
        PlantWalk(project, plant->clock).draw(recording, time);
        try {
            writeFileAtomically(*organsFile, organTableCsv(recording.organs()));
        } catch (const StandardError& error) {
            err << error.what() << '\n';
            return 1;
        }
    }
    out << outFile << ": " << size.width << " x " << size.height << ", " << project.plant.NodeCount
        << " organs at time " << formatGeneral(time) << '\n';
    return 0;
}

} // namespace burgeon
