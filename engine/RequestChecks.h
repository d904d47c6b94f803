#pragma once

#include "imageio/PictureSize.h"
#include "mesh/ProjectMeshExport.h"
#include "video/FrameRate.h"

#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace burgeon {

// A request that cannot be met as it was asked, with the command line's text, which names the
// option the value came in ("--size: each side must be 1..8192"). Front ends that take the
// values otherwise (the Python module's keyword arguments) show the same texts.
class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int MaxPictureSide = 8192;
constexpr int MaxVideoFramesPerSecond = 240;
// The bounds of a time limit in seconds.
constexpr double MinMaxSeconds = 0.001;
constexpr double MaxMaxSeconds = 1e9;

// The N-th L-system block of a text, from 1.
int checkedBlock(int block);

// A seed of the main stem's jitter and the wind, 0..2147483647.
int checkedSeed(long long seed);

// A time limit of 0.001 to 10^9 seconds.
double checkedMaxSeconds(double seconds);

// Each side 1..8192.
PictureSize checkedPictureSize(int width, int height);

// A finite time.
double checkedTime(double time);

// Three finite angles in degrees; the message quotes the values joined by commas.
std::array<double, 3> checkedRotation(std::span<const double> angles);

// A growth timeline from..to in steps of step (above 0, to at or after from, all finite); the
// message quotes the text as typed, or else the values as "A:B:STEP". At most the frames a
// growth animation holds, each time past the one before it.
GrowthTimeline checkedTimeline(std::span<const double> range, const std::string& asTyped = {});

// A mesh export of the plant at a time or, given A, B and STEP, of its growth from A to B
// (glTF only) at keyframes a second (only with the growth; default: the capture run's pace,
// filled in by the caller). Checked in the command line's order; messages quote the growth as
// typed when it is given.
MeshExportRequest checkedMeshExport(const std::string& fileName, std::optional<double> time,
                                    const std::optional<std::vector<double>>& growth,
                                    std::optional<double> framesPerSecond, bool withLand,
                                    const std::string& growthAsTyped = {});

// A video file name (.mp4 or .webm).
std::string checkedVideoFile(const std::string& fileName);

// Whole frames a second, 1..240.
FrameRate checkedFrameRate(int framesPerSecond);

} // namespace burgeon
