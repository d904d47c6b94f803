#pragma once

#include "engine/PlantRecipe.h"
#include "engine/StopCondition.h"
#include "frame/CaptureRun.h"
#include "frame/FrameCanvas.h"
#include "imageio/PictureSize.h"
#include "project/PlantProject.h"

#include <functional>
#include <string>

namespace burgeon {

// How a capture run ended.
struct CaptureReport {
    enum class Result {
        Completed,  // every file of the run written
        Stopped,    // the stop condition was met before the end
        Failed,     // a file could not be written or read: message says which
        Abandoned,  // the clock passed the end without meeting it exactly
        Unreachable // the end lies past the end of the time axis, where the clock loops back
    };
    Result result = Result::Abandoned;
    std::string message;
    int frames = 0; // frames drawn after the run started
    int timeBarMax = 0;
};

// What a capture run tells as it goes: the gauge's position whenever it moves, starting with
// 0, and once a note that the video's picture size had to be padded.
struct CaptureListener {
    std::function<void(int)> progress;
    std::function<void(const std::string&)> note;
};

// A capture run with the project's capture settings, driven frame by frame to its end on a
// canvas, as the view does it: one frame is drawn before the run starts (a capture grabs the
// picture shown, the frame before), the run's files go into the settings' folder, which must
// exist, and the video where `video` says.
CaptureReport runCaptureLoop(FrameCanvas& canvas, PlantProject& project,
                             const CaptureListener& listener, const StopCondition& stop,
                             const VideoOutput& video = {});

// The same run of a plant drawn headless at a size. A size whose frames cannot be captured
// (viewCanBeCaptured) fails at once. Throws HeadlessContextError when no OpenGL context can be
// had.
CaptureReport capturePlant(HeadlessPlant& plant, PictureSize size, const CaptureListener& listener,
                           const StopCondition& stop, const VideoOutput& video = {});

} // namespace burgeon
