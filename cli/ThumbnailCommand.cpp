#include "cli/Commands.h"
#include "cli/FileTypeNames.h"
#include "cli/NumberOptions.h"
#include "cli/PlantOptions.h"

#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/OutputFiles.h"
#include "base/PrintableText.h"
#include "base/StandardError.h"
#include "engine/Pictures.h"
#include "frame/FrameScene.h"
#include "imageio/PictureFormats.h"
#include "imageio/PngWriter.h"
#include "render/HeadlessContext.h"

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>

namespace burgeon {

namespace {

const char* const ThumbnailUsage = "burgeon thumbnail SESSION OUT.png [--size N] [--time T]";

constexpr int LargestThumbnail = 1024;
// The plant is drawn at twice the size and each 2 x 2 block averaged, so the thin stems and
// leaf edges of a small picture are smooth.
constexpr int Oversampling = 2;

// The time a session's plant is shown at: the session's own, but a session whose clock stands
// at the start of its time axis (a new plant, nothing grown yet) shows the plant grown, at the
// time the view's turntable would start turning it.
double thumbnailTime(const PlantProject& project) {
    const double time = project.animation.currentTime;
    return time > 1.0 ? time : turntableStart(project);
}

// Each block of factor x factor pixels averaged into one.
RgbImage reduced(const RgbImage& image, int factor) {
    RgbImage small(image.width() / factor, image.height() / factor);
    const int count = factor * factor;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int red = 0;
            int green = 0;
            int blue = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const RgbColor pixel = image.pixel(x * factor + dx, y * factor + dy);
                    red += pixel.red;
                    green += pixel.green;
                    blue += pixel.blue;
                }
            }
            small.setPixel(x, y,
                           {(red + count / 2) / count, (green + count / 2) / count,
                            (blue + count / 2) / count});
        }
    }
    return small;
}

// Draws a session's plant into a square PNG picture, for the file managers' thumbnails.
class ThumbnailCommand : public Command {
public:
    const char* name() const override { return "thumbnail"; }
    std::string usage() const override { return ThumbnailUsage; }
    const char* work() const override { return "draw the thumbnail"; }
    const char* summary() const override {
        return "Draws a session's plant into a square PNG picture, as file managers show the "
               "session.";
    }
    void define(CLI::App& app) override {
        app.add_option("SESSION", session_, "the session file")
            ->type_name(fileType("burgeon"))
            ->required();
        app.add_option("OUT", out_, "the PNG file to write")
            ->type_name(fileType("png"))
            ->required();
        app.add_option("--size", size_, "the picture's width and height in pixels")
            ->check(wholeNumber(1, LargestThumbnail))
            ->capture_default_str();
        app.add_option("--time", time_,
                       "the plant's time (default: the session's, or the grown plant when the "
                       "session's clock stands at 1)")
            ->check(finiteNumber());
    }
    int run(std::ostream& out, std::ostream& err) override {
        // File managers name the picture as they like; a name of another picture format would
        // promise what the file is not.
        if (isPictureFileName(out_) && fileExtension(out_) != "png") {
            throw UsageError{"OUT is a PNG file, not '" + printableField(out_) + "'"};
        }
        if (time_ && !std::isfinite(*time_)) {
            throw UsageError{"--time needs a finite number"};
        }
        PlantOptions options;
        options.recipe.session = session_;
        options.recipe.seed = 0; // the same picture every time
        auto plant = std::make_unique<HeadlessPlant>();
        const CompileWatch watch(std::nullopt);
        if (!buildPlantFromOptions(*plant, options, "thumbnail", watch, err)) {
            return 1;
        }
        const double time = time_.value_or(thumbnailTime(plant->project));
        const int drawn = size_ * Oversampling;
        try {
            const RgbImage picture =
                reduced(drawPlantPicture(*plant, time, {drawn, drawn}), Oversampling);
            writeFileAtomically(out_, encodePng(picture));
        } catch (const HeadlessContextError& error) {
            err << "burgeon thumbnail: no OpenGL context: " << error.what() << '\n';
            return 1;
        } catch (const StandardError& error) {
            err << error.what() << '\n';
            return 1;
        }
        out << out_ << ": " << size_ << " x " << size_ << " at time " << formatGeneral(time)
            << '\n';
        return 0;
    }

private:
    std::string session_;
    std::string out_;
    int size_ = 256;
    std::optional<double> time_;
};

} // namespace

std::unique_ptr<Command> makeThumbnailCommand() {
    return std::make_unique<ThumbnailCommand>();
}

} // namespace burgeon
