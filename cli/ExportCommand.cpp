#include "cli/Commands.h"
#include "cli/FileTypeNames.h"
#include "cli/NumberOptions.h"
#include "cli/PlantOptions.h"

#include "base/NumberText.h"
#include "base/PrintableText.h"
#include "base/StandardError.h"
#include "engine/MeshExports.h"
#include "engine/RequestChecks.h"
#include "mesh/MeshExport.h"
#include "mesh/MeshFormats.h"
#include "mesh/PlantMeshBuilder.h"
#include "mesh/ProjectMeshExport.h"

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>

namespace burgeon {

namespace {

std::string exportUsage() {
    return "burgeon export (--session S | --lsystem FILE) [--set KEY=VALUE] [--block N] "
           "[--seed N] [--growth [ORGAN=]DATA] [--organ NAME] [--shapes LIB [--leaf K] "
           "[--flower K]] [--texture N] [--time T] [--detail full] --out FILE" +
           meshExtensionChoice() + " [--no-land] [--animate A:B:STEP [--fps N]]";
}

// The times of a growth animation as typed, "A:B:STEP"; checked with the request.
std::vector<double> parseAnimateRange(const std::string& text) {
    const auto first = text.find(':');
    const auto second = first == std::string::npos ? first : text.find(':', first + 1);
    std::vector<double> range(3, 0.0);
    if (second == std::string::npos || text.find(':', second + 1) != std::string::npos ||
        !tryParseFloat(text.substr(0, first), range[0]) ||
        !tryParseFloat(text.substr(first + 1, second - first - 1), range[1]) ||
        !tryParseFloat(text.substr(second + 1), range[2])) {
        throw UsageError{"--animate needs A:B:STEP (from time A to B in steps of STEP), not '" +
                         printableField(text) + "'"};
    }
    return range;
}

// "plant.gltf: 57 organs at time 30 (with plant.bin, plant-leaf.png)".
void printSummary(std::ostream& out, const MeshExportRequest& request,
                  const MeshExportSummary& summary) {
    out << request.fileName << ": " << summary.organs << " organs";
    if (request.growth) {
        out << " growing from " << formatGeneral(request.growth->from) << " to "
            << formatGeneral(request.growth->to) << ", " << summary.frames << " frames at "
            << formatGeneral(request.growth->framesPerSecond) << " a second";
    } else {
        out << " at time " << formatGeneral(request.time);
    }
    for (std::size_t i = 1; i < summary.files.size(); ++i) {
        out << (i == 1 ? " (with " : ", ") << summary.files[i];
    }
    out << (summary.files.size() > 1 ? ")\n" : "\n");
}

class ExportCommand : public Command {
public:
    const char* name() const override { return "export"; }
    std::string usage() const override { return exportUsage(); }
    const char* work() const override { return "export the mesh"; }
    const char* summary() const override {
        return "Writes the plant at a time, or its growth as an animation, as a glTF, OBJ or PLY "
               "mesh.";
    }
    void define(CLI::App& app) override {
        plant_.define(app);
        app.add_option("--time", time_, "the plant's time (default: the session's, else 1)")
            ->check(finiteNumber());
        app.add_option("--out", out_, "the mesh file: " + meshFormatDescriptions())
            ->type_name(meshFileType());
        app.add_flag("--no-land", noLand_, "leaves the land out");
        app.add_option("--animate", animate_,
                       "A:B:STEP: the growth from time A to B in steps of STEP as a glTF "
                       "animation, one keyframe a step");
        app.add_option("--fps", fps_,
                       "keyframes per second of the animation (default: the capture run's, "
                       "100 / delay)")
            ->check(finiteNumber(MinFramesPerSecond, MaxFramesPerSecond));
    }
    int run(std::ostream& out, std::ostream& err) override {
        const MeshExportRequest request = checkedRequest();
        auto plant = std::make_unique<HeadlessPlant>();
        const CompileWatch watch(plant_.maxSeconds);
        if (!buildPlantFromOptions(*plant, plant_, "export", watch, err)) {
            return 1;
        }
        MeshExportRequest fromPlant = request;
        fromPlant.time = time_.value_or(plant->project.animation.currentTime);
        if (fromPlant.growth && !fps_) {
            fromPlant.growth->framesPerSecond = captureFramesPerSecond(plant->project);
        }
        MeshExportSummary summary;
        const Outcome outcome =
            exportPlantMesh(plant->project, plant->clock, fromPlant, summary, {}, watch.work());
        if (outcome.ending == Outcome::Ending::Stopped) {
            err << "burgeon export: the export stopped: " << watch.reason(outcome.stopCause)
                << "; no file written\n";
            return 1;
        }
        if (!outcome.completed()) {
            err << outcome.failureText() << '\n';
            return 1;
        }
        printSummary(out, fromPlant, summary);
        return 0;
    }

private:
    // The request as far as the options tell it, before the plant is built; bad options throw
    // UsageError.
    MeshExportRequest checkedRequest() const {
        if (out_.empty()) {
            throw UsageError{"--out FILE is needed: a " + meshExtensionList() + " file"};
        }
        // A mesh has no picture to draw coarser for: it holds every shape at full detail.
        if (plant_.detail == "auto") {
            throw UsageError{"--detail auto draws for a picture's pixels; a mesh is exported "
                             "at full detail (--detail full)"};
        }
        std::optional<std::vector<double>> growth;
        if (animate_) {
            growth = parseAnimateRange(*animate_);
        }
        try {
            return checkedMeshExport(out_, time_, growth, fps_, !noLand_, animate_.value_or(""));
        } catch (const RequestError& error) {
            throw UsageError{error.what()};
        }
    }

    PlantOptions plant_;
    std::optional<double> time_;
    std::string out_;
    bool noLand_ = false;
    std::optional<std::string> animate_;
    std::optional<double> fps_;
};

} // namespace

std::unique_ptr<Command> makeExportCommand() {
    return std::make_unique<ExportCommand>();
}

} // namespace burgeon
