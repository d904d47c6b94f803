#include "cli/Commands.h"
#include "cli/FileTypeNames.h"
#include "cli/NumberOptions.h"
#include "cli/PlantOptions.h"

#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/OutputFiles.h"
#include "base/PrintableText.h"
#include "base/StandardError.h"
#include "drawing/OrganTable.h"
#include "engine/Pictures.h"
#include "imageio/PictureFormats.h"
#include "render/HeadlessContext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <memory>
#include <optional>
#include <ostream>

namespace burgeon {

namespace {

const char* const RenderUsage =
    "burgeon render (--session S | --lsystem FILE) [--set KEY=VALUE] [--block N] [--seed N] "
    "[--growth [ORGAN=]DATA] [--organ NAME] [--shapes LIB [--leaf K] [--flower K]] "
    "[--texture N] [--time T] [--size WxH] [--rotate X,Y,Z] [--detail full|auto] [--out FILE] "
    "[--organs FILE.csv]";

// Draws the plant at the time into the picture file and, when asked, lists its organs: both
// files are written, or neither.
int renderPicture(HeadlessPlant& plant, double time, PictureSize size, const std::string& outFile,
                  const std::string& organsFile, std::ostream& out, std::ostream& err) {
    const std::vector<RecordedOrgan> organs = plantOrgans(plant, time);
    try {
        const std::string picture = encodePicture(outFile, drawPlantPicture(plant, time, size));
        std::string table;
        std::vector<FileToWrite> files = {{outFile, picture}};
        if (!organsFile.empty()) {
            table = organTableCsv(organs);
            files.push_back({organsFile, table});
        }
        writeFilesAtomically(files);
    } catch (const HeadlessContextError& error) {
        err << "burgeon render: no OpenGL context: " << error.what() << '\n';
        return 1;
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return 1;
    }
    // The organs drawn, as the --organs table lists them and export counts them.
    out << outFile << ": " << size.width << " x " << size.height << ", " << organs.size()
        << " organs at time " << formatGeneral(time) << '\n';
    return 0;
}

class RenderCommand : public Command {
public:
    const char* name() const override { return "render"; }
    std::string usage() const override { return RenderUsage; }
    const char* work() const override { return "draw the plant"; }
    const char* summary() const override {
        return "Draws one frame of the growing plant at a time into a PNG, BMP or JPEG file.";
    }
    void define(CLI::App& app) override {
        plant_.define(app);
        app.add_option("--time", time_, "the plant's time (default: the session's, else 1)")
            ->check(finiteNumber());
        app.add_option("--size", size_, "WIDTHxHEIGHT of the picture")->capture_default_str();
        app.add_option("--out", out_, "the picture file: " + pictureExtensionList())
            ->type_name(pictureFileType())
            ->capture_default_str();
        app.add_option("--organs", organs_, "also lists every organ drawn as CSV in this file")
            ->type_name(fileType("csv"));
    }
    int run(std::ostream& out, std::ostream& err) override {
        if (time_ && !std::isfinite(*time_)) {
            throw UsageError{"--time needs a finite number"};
        }
        const PictureSize size = parsePictureSize(size_);
        if (!isPictureFileName(out_)) {
            throw UsageError{"--out needs a " + pictureExtensionList() + " file, not '" +
                             printableField(out_) + "'"};
        }
        if (organs_ == out_) {
            throw UsageError{"--organs needs another file than --out"};
        }
        auto plant = std::make_unique<HeadlessPlant>();
        const CompileWatch watch(plant_.maxSeconds);
        if (!buildPlantFromOptions(*plant, plant_, "render", watch, err)) {
            return 1;
        }
        const double time = time_.value_or(plant->project.animation.currentTime);
        return renderPicture(*plant, time, size, out_, organs_, out, err);
    }

private:
    PlantOptions plant_;
    std::optional<double> time_;
    std::string size_ = "800x600";
    std::string out_ = "plant.png";
    std::string organs_;
};

} // namespace

std::unique_ptr<Command> makeRenderCommand() {
    return std::make_unique<RenderCommand>();
}

} // namespace burgeon
