#pragma once

#include "project/PlantProject.h"
#include "render/CaptureRun.h"
#include "render/FrameCanvas.h"

#include <functional>
#include <string>
#include <vector>

namespace burgeon {

enum class CaptureOutcome {
    Completed,  // "Plant.gif" written
    Abandoned,  // the clock passed the end without meeting it exactly
    Failed,     // a file could not be written or read
    Unreachable // the end lies past the end of the time axis, where the clock loops back
};

struct CaptureReport {
    CaptureOutcome outcome = CaptureOutcome::Abandoned;
    std::vector<std::string> messages; // the message boxes of the run, in order
    int frames = 0;                    // frames drawn after "Capture Now"
    int timeBarMax = 0;
};

// A capture run as the Animation page starts it, driven frame by frame to its end without a
// window (the command line's "animate"): shows the view, draws its first frame, starts the run
// with the project's capture settings (the folder is made under its parent, one level, as the
// page does) and draws frames until the run ends. progress receives the gauge's position
// whenever it moves, starting with 0.
// In the video format the video goes where video says; note is told once when its picture
// size had to be padded.
CaptureReport runCaptureSession(FrameCanvas& canvas, PlantProject& project,
                                const std::function<void(int)>& progress,
                                const VideoOutput& video = {},
                                const std::function<void(const std::string&)>& note = {});

} // namespace burgeon
