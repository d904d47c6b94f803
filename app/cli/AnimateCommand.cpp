#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"
#include "app/cli/PlantOptions.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "render/CaptureSession.h"
#include "render/HeadlessContext.h"
#include "render/Renderer.h"
#include "render/RendererCanvas.h"

#include <cmath>
#include <memory>
#include <ostream>

namespace burgeon {

const char* const animateUsage =
    "burgeon animate --lsystem FILE [--block N] [--seed N] [--growth DATA] [--organ NAME] "
    "[--shapes LIB [--leaf K] [--flower K]] [--texture N] [--size WxH] [--rotate X,Y,Z] "
    "--from A --to B [--step S] [--jpeg | --gif-frames] [--quality Q] [--delay D] "
    "[--folder DIR]";

namespace {

constexpr int progressBarWidth = 40;

// The capture gauge as a bar on the terminal, redrawn in place.
void drawProgress(std::ostream& out, int percent) {
    const int filled = percent * progressBarWidth / 100;
    out << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
        << std::string(static_cast<std::size_t>(progressBarWidth - filled), ' ') << "] " << percent
        << "%" << std::flush;
}

// The time step as the "Time Step" slider holds it: whole hundredths from 0.01 to 1.
double timeStep(const Arguments& args) {
    const double step = args.numberOption("step", 0.25);
    const double hundredths = std::round(step * 100.0);
    if (!std::isfinite(step) || hundredths < 1 || hundredths > 100 ||
        std::fabs(step * 100.0 - hundredths) > 1e-9) {
        throw UsageError{"--step needs 0.01 .. 1 in hundredths"};
    }
    return hundredths / 100.0;
}

} // namespace

int runAnimateCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    const Arguments args(arguments,
                         {"lsystem", "block", "seed", "growth", "organ", "shapes", "leaf", "flower",
                          "texture", "size", "rotate", "from", "to", "step", "quality", "delay",
                          "folder"},
                         {"jpeg", "gif-frames"});
    if (!args.positional().empty()) {
        throw UsageError{"unexpected argument '" + args.positional().front() + "'"};
    }
    if (!args.has("lsystem")) {
        throw UsageError{"--lsystem FILE is needed"};
    }
    if (!args.has("from") || !args.has("to")) {
        throw UsageError{"--from A and --to B are needed"};
    }
    if (args.has("jpeg") && args.has("gif-frames")) {
        throw UsageError{"--jpeg and --gif-frames exclude each other"};
    }
    auto plant = std::make_unique<CommandPlant>();
    PlantProject& project = plant->project;
    CaptureSettings& settings = project.animation.capture;
    settings.first = args.integerOption("from", 1, 0, 500);
    settings.last = args.integerOption("to", 1, 0, 1000);
    settings.jpegFrames = !args.has("gif-frames");
    settings.quality = args.integerOption("quality", 80, 0, 100);
    settings.delay = args.integerOption("delay", 3, 1, 100);
    settings.folder = args.option("folder").value_or("PlantCap1");
    const double step = timeStep(args);
    const PictureSize size = pictureSize(args);

    if (!buildPlantFromOptions(*plant, args, "animate", err)) {
        return 1;
    }
    project.parameters.timeStep = step;

    CaptureReport report;
    try {
        HeadlessContext context(size.width, size.height);
        Renderer renderer(context, project, plant->clock);
        renderer.initialize("grass1.bmp");
        renderer.setProjection(size.width, size.height);
        RendererCanvas canvas(project, renderer, size.width, size.height);
        report =
            runCaptureSession(canvas, project, [&out](int percent) { drawProgress(out, percent); });
    } catch (const HeadlessContextError& error) {
        err << "burgeon animate: no OpenGL context: " << error.what() << '\n';
        return 1;
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return 1;
    }
    out << '\n';
    for (const std::string& message : report.messages) {
        (report.outcome == CaptureOutcome::Completed ? out : err) << message << '\n';
    }
    switch (report.outcome) {
    case CaptureOutcome::Completed:
        return 0;
    case CaptureOutcome::Abandoned:
        err << "burgeon animate: the clock passed " << settings.last << " in steps of "
            << formatGeneral(step) << " without meeting it exactly: no Plant.gif\n";
        return 1;
    case CaptureOutcome::Unreachable:
        err << "burgeon animate: --to " << settings.last << " lies past the end of the time axis ("
            << report.timeBarMax << "), where the clock loops back to 1\n";
        return 1;
    case CaptureOutcome::Failed:
        return 1;
    }
    return 1;
}

} // namespace burgeon
