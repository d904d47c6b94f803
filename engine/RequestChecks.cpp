#include "engine/RequestChecks.h"

#include "base/NumberText.h"
#include "mesh/MeshFormats.h"
#include "video/VideoFormat.h"

#include <cmath>
#include <limits>

namespace burgeon {

namespace {

std::string joined(std::span<const double> values, char separator) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        text += formatGeneral(values[i]);
    }
    return text;
}

bool allFinite(std::span<const double> values) {
    for (const double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

} // namespace

int checkedBlock(int block) {
    if (block < 1) {
        throw RequestError("--block needs a block from 1, not " + std::to_string(block));
    }
    return block;
}

int checkedSeed(long long seed) {
    if (seed < 0 || seed > std::numeric_limits<int>::max()) {
        throw RequestError("--seed needs 0 .. " + std::to_string(std::numeric_limits<int>::max()) +
                           ", not " + std::to_string(seed));
    }
    return static_cast<int>(seed);
}

double checkedMaxSeconds(double seconds) {
    if (!(std::isfinite(seconds) && seconds > 0.0)) {
        throw RequestError("--max-seconds needs a number above 0");
    }
    return seconds;
}

PictureSize checkedPictureSize(int width, int height) {
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide) {
        throw RequestError("--size: each side must be 1.." + std::to_string(MaxPictureSide));
    }
    return {width, height};
}

double checkedTime(double time) {
    if (!std::isfinite(time)) {
        throw RequestError("--time needs a finite number");
    }
    return time;
}

std::array<double, 3> checkedRotation(std::span<const double> angles) {
    if (angles.size() != 3 || !allFinite(angles)) {
        throw RequestError("--rotate needs X,Y,Z in degrees, not '" + joined(angles, ',') + "'");
    }
    return {angles[0], angles[1], angles[2]};
}

GrowthTimeline checkedTimeline(std::span<const double> range) {
    const std::string text = joined(range, ':');
    if (range.size() != 3 || !allFinite(range)) {
        throw RequestError("--animate needs A:B:STEP (from time A to B in steps of STEP), not '" +
                           text + "'");
    }
    if (range[2] <= 0.0) {
        throw RequestError("--animate needs a STEP above 0, not '" + text + "'");
    }
    if (range[1] < range[0]) {
        throw RequestError("--animate needs B at or after A, not '" + text + "'");
    }
    return {range[0], range[1], range[2], 0.0};
}

MeshExportRequest checkedMeshExport(const std::string& fileName, std::optional<double> time,
                                    const std::optional<std::vector<double>>& growth,
                                    std::optional<double> framesPerSecond, bool withLand) {
    if (!meshFormatOf(fileName)) {
        throw RequestError("--out needs a " + meshExtensionList() + " file, not '" + fileName +
                           "'");
    }
    if (time) {
        checkedTime(*time);
    }
    if (time && growth) {
        throw RequestError("--time and --animate exclude each other");
    }
    if (framesPerSecond && !growth) {
        throw RequestError("--fps goes with --animate");
    }
    if (framesPerSecond && !(std::isfinite(*framesPerSecond) && *framesPerSecond > 0.0)) {
        throw RequestError("--fps needs a number above 0");
    }
    MeshExportRequest request;
    request.fileName = fileName;
    request.withLand = withLand;
    request.time = time.value_or(request.time);
    if (growth) {
        if (!formatHoldsAnimation(fileName)) {
            throw RequestError("--animate needs a " + meshExtensionList(true) +
                               " file: " + stillOnlyFormatNames() + " hold no animation");
        }
        request.growth = checkedTimeline(*growth);
        request.growth->framesPerSecond = framesPerSecond.value_or(0.0);
    }
    return request;
}

std::string checkedVideoFile(const std::string& fileName) {
    if (!isVideoFileName(fileName)) {
        throw RequestError("--video needs an " + videoExtensionList() + " file, not '" + fileName +
                           "'");
    }
    return fileName;
}

FrameRate checkedFrameRate(int framesPerSecond) {
    if (framesPerSecond < 1 || framesPerSecond > MaxFramesPerSecond) {
        throw RequestError("--fps needs 1 .. " + std::to_string(MaxFramesPerSecond) +
                           " frames a second");
    }
    return FrameRate::perSecond(framesPerSecond);
}

} // namespace burgeon
