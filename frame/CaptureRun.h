#pragma once

#include "frame/AnimationState.h"
#include "frame/FrameCanvas.h"
#include "imageio/GifWriter.h"
#include "imageio/PictureSize.h"
#include "imageio/RgbImage.h"
#include "project/AnimationSettings.h"
#include "video/FrameRate.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace burgeon {

class VideoEncoder;

// A capture grabs the view less a margin on each side: a picture this many pixels narrower and
// lower than the view.
inline constexpr int CaptureMargin = 5;

// Whether a view of that size can be captured: its picture has pixels, and as "Picture.bmp" it
// can be read back within the bitmap size limit.
bool viewCanBeCaptured(PictureSize view);

// How a capture run ended: with its last frame (its files complete), stopped before its end,
// or at a file that could not be written or read (the standard text says which).
struct CaptureEnd {
    enum class Kind { Completed, Stopped, Failed };
    Kind kind = Kind::Completed;
    std::string message; // Failed: the standard text
};

// Where and how a run in the video format writes its video: by default "Plant.mp4" in the
// capture folder at 100 / delay frames a second with the encoder's default quality. A video
// that belongs to the caller's set of files is written where writtenAs says
// (OutputFileSet::addWrittenByName) and named when the caller commits the set.
struct VideoOutput {
    std::string fileName;
    std::string writtenAs;
    std::optional<FrameRate> rate;
    std::optional<int> quality;
};

// The capture step of every frame: while a run is active and the frame's time lies in the
// run's range, the shown picture is written as "Picture.bmp" (and as a numbered JPEG or GIF),
// read back and appended to the animated GIF, which is saved as "PlantTmp.gif" now and then
// and as "Plant.gif" when the time reaches the end of the run. In the video format each picture
// is a frame of "Plant.mp4" instead, which gets its name when the run completes or stops.
class CaptureRun {
public:
    CaptureRun(AnimationSettings& settings, AnimationState& state);
    ~CaptureRun();
    CaptureRun(const CaptureRun&) = delete;
    CaptureRun& operator=(const CaptureRun&) = delete;

    // "Capture Now", once the folder exists: the run's range from the settings, the clock two
    // before its start and running, and the tools of a new run.
    void start(const std::string& folder);
    // "Stop Capture": a video keeps the frames captured so far.
    void stop();

    // The tools of a new run: an empty animated GIF and an empty frame.
    void createTools(int reductionBits);
    bool hasTools() const { return animation_ != nullptr; }

    // Frame step 10, after the time has advanced. A file that cannot be written or read ends
    // the run (told once through runEnded); the frame goes on.
    void step(FrameCanvas& canvas);

    // The animated GIF of the run under way (tests and progress reports).
    const AnimatedGif* animation() const { return animation_.get(); }

    // Told the run's progress in percent (the "Capture Progress" gauge) and each picture
    // captured (the page's preview).
    std::function<void(int)> progressChanged;
    std::function<void(const RgbImage&)> frameCaptured;
    // Told once when the video's picture size had to be padded for the encoder.
    std::function<void(const std::string&)> videoNote;
    // Told once when a run ends: completed, stopped or failed.
    std::function<void(const CaptureEnd&)> runEnded;

    // The video of the runs in the video format.
    VideoOutput videoOutput;

private:
    void captureFrame(FrameCanvas& canvas);
    void addVideoFrame(const std::string& folder);
    void finishVideo();
    void releaseTools();
    void reportProgress(int percent);
    void end(CaptureEnd::Kind kind, std::string message = {});

    AnimationSettings& settings_;
    AnimationState& state_;
    std::unique_ptr<AnimatedGif> animation_;
    std::unique_ptr<VideoEncoder> video_;
    RgbImage picture_;
    RgbImage frame_;
};

} // namespace burgeon
