#include "cli/Commands.h"
#include "cli/FileTypeNames.h"
#include "cli/NumberOptions.h"
#include "cli/PlantOptions.h"
#include "project/AnimationSettings.h"
#include "project/CaptureFormats.h"

#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/OutputFiles.h"
#include "base/PrintableText.h"
#include "base/StandardError.h"
#include "engine/CaptureLoop.h"
#include "engine/RequestChecks.h"
#include "render/HeadlessContext.h"
#include "video/VideoFormat.h"

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>

namespace burgeon {

namespace {

// "--jpeg | --gif-frames | --video".
std::string formatChoice() {
    std::string text;
    for (const CaptureFormatInfo& format : captureFormats()) {
        text += (text.empty() ? "" : " | ") + std::string(format.option);
    }
    return text;
}

std::string animateUsage() {
    return "burgeon animate (--session S | --lsystem FILE) [--set KEY=VALUE] [--block N] "
           "[--seed N] [--growth [ORGAN=]DATA] [--organ NAME] [--shapes LIB [--leaf K] "
           "[--flower K]] [--texture N] [--size WxH] [--rotate X,Y,Z] [--detail full|auto] [--from "
           "A] [--to B] "
           "[--step S] [" +
           formatChoice() + " " + videoFileChoice() +
           " [--fps N] [--crf Q]] [--quality Q] [--delay D] [--folder DIR]";
}

constexpr int ProgressBarWidth = 40;

// The capture gauge as a bar on the terminal, redrawn in place.
void drawProgress(std::ostream& out, int percent) {
    const int filled = percent * ProgressBarWidth / 100;
    out << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
        << std::string(static_cast<std::size_t>(ProgressBarWidth - filled), ' ') << "] " << percent
        << "%" << std::flush;
}

// The time step as the "Time Step" slider holds it: whole hundredths from 0.01 to 1.
double timeStep(double step) {
    const double hundredths = std::round(step * 100.0);
    if (!std::isfinite(step) || hundredths < 1 || hundredths > 100 ||
        std::fabs(step * 100.0 - hundredths) > 1e-9) {
        throw UsageError{"--step needs 0.01 .. 1 in hundredths"};
    }
    return hundredths / 100.0;
}

struct AnimateOptions {
    PlantOptions plant;
    std::string size = "800x600";
    std::optional<int> from;
    std::optional<int> to;
    std::optional<double> step;
    bool jpeg = false;
    bool gifFrames = false;
    std::optional<int> quality;
    std::optional<int> delay;
    std::optional<std::string> folder;
    std::string video; // OUT.mp4 or OUT.webm
    std::optional<int> fps;
    std::optional<int> crf;
};

// Drives the capture run to its end and reports how it ended. The run's files (its folder and
// its video) are one set: they appear only when it completes, all of them or none.
int capture(HeadlessPlant& plant, PictureSize size, VideoOutput video, const StopCondition& stop,
            std::ostream& out, std::ostream& err) {
    PlantProject& project = plant.project;
    CaptureSettings& settings = project.animation.capture;
    const double step = project.parameters.timeStep;
    OutputFileSet files;
    std::string staging;
    try {
        staging = files.addFolder(settings.folder);
        if (!video.fileName.empty()) {
            video.writtenAs = files.addWrittenByName(video.fileName);
        }
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return 1;
    }
    const std::string folder = std::exchange(settings.folder, staging);
    CaptureListener listener;
    listener.progress = [&out](int percent) { drawProgress(out, percent); };
    listener.note = [&out](const std::string& note) { out << '\n' << note << '\n'; };
    CaptureReport report;
    try {
        report = capturePlant(plant, size, listener, stop, video);
        if (report.result == CaptureReport::Result::Completed) {
            files.commit();
        }
    } catch (const HeadlessContextError& error) {
        err << "burgeon animate: no OpenGL context: " << error.what() << '\n';
        return 1;
    } catch (const StandardError& error) {
        err << files.namedAsGiven(error.what()) << '\n';
        return 1;
    }
    settings.folder = folder;
    out << '\n';
    switch (report.result) {
    case CaptureReport::Result::Completed:
        out << "Capture Completed.\n";
        return 0;
    case CaptureReport::Result::Failed:
        err << files.namedAsGiven(report.message) << '\n';
        return 1;
    case CaptureReport::Result::Stopped:
        err << "burgeon animate: the capture run stopped: stopped by Ctrl-C\n";
        return 1;
    case CaptureReport::Result::Abandoned:
        err << "burgeon animate: the clock passed " << settings.last << " in steps of "
            << formatGeneral(step) << " without meeting it exactly: no "
            << (settings.format == CaptureFormat::Video ? "video" : "Plant.gif") << "\n";
        return 1;
    case CaptureReport::Result::Unreachable:
        err << "burgeon animate: --to " << settings.last << " lies past the end of the time axis ("
            << report.timeBarMax << "), where the clock loops back to 1\n";
        return 1;
    }
    return 1;
}

class AnimateCommand : public Command {
public:
    const char* name() const override { return "animate"; }
    std::string usage() const override { return animateUsage(); }
    const char* work() const override { return "capture the animation"; }
    const char* summary() const override {
        return "Runs a capture run headless and writes the BMP, JPEG and GIF files the Animation "
               "page writes.";
    }
    void define(CLI::App& app) override {
        options_.plant.define(app);
        app.add_option("--size", options_.size,
                       "WIDTHxHEIGHT of the view: each side 6 to 8192; the frames are 5 pixels "
                       "smaller each way and at most 64 MB as a bitmap (a square view at most "
                       "4734x4734)")
            ->capture_default_str();
        app.add_option("--from", options_.from, "the first time captured (default 1)")
            ->check(wholeNumber(0, 500));
        app.add_option("--to", options_.to, "the last time captured (default 1)")
            ->check(wholeNumber(0, 1000));
        app.add_option("--step", options_.step, "the time step, 0.01 to 1 in hundredths")
            ->check(finiteNumber(0.01, 1));
        app.add_flag(std::string(captureFormatInfo(CaptureFormat::Jpeg).option), options_.jpeg,
                     std::string(captureFormatInfo(CaptureFormat::Jpeg).writes));
        app.add_flag(std::string(captureFormatInfo(CaptureFormat::Gif).option), options_.gifFrames,
                     std::string(captureFormatInfo(CaptureFormat::Gif).writes));
        app.add_option("--quality", options_.quality, "JPEG quality in percent (default 80)")
            ->check(wholeNumber(0, 100));
        app.add_option("--delay", options_.delay,
                       "hundredths of a second between the animated GIF's frames (default 3)")
            ->check(wholeNumber(1, 100));
        app.add_option("--folder", options_.folder, "the capture folder (default PlantCap1)")
            ->type_name(std::string(FolderType));
        app.add_option(std::string(captureFormatInfo(CaptureFormat::Video).option), options_.video,
                       videoFormatDescriptions() + ": " +
                           std::string(captureFormatInfo(CaptureFormat::Video).writes))
            ->type_name(videoFileType());
        app.add_option("--fps", options_.fps,
                       "frames per second of the video (default 100 / delay)")
            ->check(wholeNumber(1, MaxVideoFramesPerSecond));
        app.add_option("--crf", options_.crf,
                       "the video's quality, lower is better: " + videoQualityRanges() +
                           " (default: the encoder's)")
            ->check(wholeNumber(0, 63));
    }
    int run(std::ostream& out, std::ostream& err) override {
        if (static_cast<int>(options_.jpeg) + static_cast<int>(options_.gifFrames) +
                static_cast<int>(!options_.video.empty()) >
            1) {
            throw UsageError{captureFormatOptions() + " exclude each other"};
        }
        if (!options_.video.empty() && !isVideoFileName(options_.video)) {
            throw UsageError{"--video needs an " + videoExtensionList() + " file, not '" +
                             printableField(options_.video) + "'"};
        }
        if ((options_.fps || options_.crf) && options_.video.empty()) {
            throw UsageError{"--fps and --crf go with --video"};
        }
        if (options_.plant.recipe.session.empty() && (!options_.from || !options_.to)) {
            throw UsageError{"--from A and --to B are needed"};
        }
        if (options_.step) {
            timeStep(*options_.step); // refused before the plant is built
        }
        const PictureSize size = parsePictureSize(options_.size);
        if (!viewCanBeCaptured(size)) {
            throw UsageError{"--size " + options_.size +
                             ": the frames of a capture are 5 pixels smaller than the view each "
                             "way, so each side needs 6 pixels or more and a frame at most 64 MB "
                             "as a bitmap (a square view at most 4734x4734)"};
        }
        auto plant = std::make_unique<HeadlessPlant>();
        const CompileWatch watch(options_.plant.maxSeconds);
        if (!buildPlantFromOptions(*plant, options_.plant, "animate", watch, err)) {
            return 1;
        }
        applyCaptureOptions(plant->project);
        VideoOutput video;
        video.fileName = options_.video;
        if (options_.fps) {
            video.rate = FrameRate::perSecond(*options_.fps);
        }
        video.quality = options_.crf;
        return capture(*plant, size, video, watch.work(), out, err);
    }

private:
    // Options given on the command line override the session's capture settings.
    void applyCaptureOptions(PlantProject& project) const {
        CaptureSettings& settings = project.animation.capture;
        settings.first = options_.from.value_or(settings.first);
        settings.last = options_.to.value_or(settings.last);
        if (options_.jpeg) {
            settings.format = CaptureFormat::Jpeg;
        } else if (options_.gifFrames) {
            settings.format = CaptureFormat::Gif;
        } else if (!options_.video.empty()) {
            settings.format = CaptureFormat::Video;
        }
        settings.quality = options_.quality.value_or(settings.quality);
        settings.delay = options_.delay.value_or(settings.delay);
        settings.folder = options_.folder.value_or(settings.folder);
        if (options_.step) {
            project.parameters.timeStep = timeStep(*options_.step);
        }
    }

    AnimateOptions options_;
};

} // namespace

std::unique_ptr<Command> makeAnimateCommand() {
    return std::make_unique<AnimateCommand>();
}

} // namespace burgeon
