#include "engine/RequestChecks.h"

#include "base/NumberText.h"
#include "base/PrintableText.h"
#include "mesh/MeshFormats.h"
#include "mesh/PlantMeshBuilder.h"
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

// A number as the command line shows a value it refuses: as typed there, so "inf" and "nan".
std::string shownNumber(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    return formatGeneral(value);
}

std::string notWholeNumber(const std::string& option, long long value, long long minimum,
                           long long maximum) {
    return option + ": " + std::to_string(value) + " is not a whole number from " +
           std::to_string(minimum) + " to " + std::to_string(maximum);
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
        throw RequestError(notWholeNumber("--block", block, 1, std::numeric_limits<int>::max()));
    }
    return block;
}

int checkedSeed(long long seed) {
    if (seed < 0 || seed > std::numeric_limits<int>::max()) {
        throw RequestError(notWholeNumber("--seed", seed, 0, std::numeric_limits<int>::max()));
    }
    return static_cast<int>(seed);
}

double checkedMaxSeconds(double seconds) {
    if (!(seconds >= MinMaxSeconds && seconds <= MaxMaxSeconds)) {
        throw RequestError("--max-seconds: " + shownNumber(seconds) + " is not a number from " +
                           formatGeneral(MinMaxSeconds) + " to " + formatGeneral(MaxMaxSeconds));
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
        throw RequestError("--time: " + shownNumber(time) + " is not a finite number");
    }
    return time;
}

std::array<double, 3> checkedRotation(std::span<const double> angles) {
    if (angles.size() != 3 || !allFinite(angles)) {
        throw RequestError("--rotate needs X,Y,Z in degrees, not '" + joined(angles, ',') + "'");
    }
    return {angles[0], angles[1], angles[2]};
}

GrowthTimeline checkedTimeline(std::span<const double> range, const std::string& asTyped) {
    const std::string shown =
        "'" + (asTyped.empty() ? joined(range, ':') : printableField(asTyped)) + "'";
    if (range.size() != 3 || !allFinite(range)) {
        throw RequestError("--animate needs A:B:STEP (from time A to B in steps of STEP), not " +
                           shown);
    }
    const double from = range[0];
    const double to = range[1];
    const double step = range[2];
    if (step <= 0.0) {
        throw RequestError("--animate needs a STEP above 0, not " + shown);
    }
    if (to < from) {
        throw RequestError("--animate needs B at or after A, not " + shown);
    }
    // As the export counts them: a step that lands on B within rounding takes B in.
    const double steps = std::floor((to - from) / step + 1e-9);
    if (!(steps + 1.0 <= MaxAnimationFrames)) {
        throw RequestError("--animate " + shown + " makes more than " +
                           std::to_string(MaxAnimationFrames) +
                           " frames, the most a growth animation holds");
    }
    // Every time must differ from the one before it.
    if (from + step == from || to + step == to) {
        throw RequestError("--animate needs a STEP that moves the time on from A and from B, not " +
                           shown);
    }
    return {from, to, step, 0.0};
}

MeshExportRequest checkedMeshExport(const std::string& fileName, std::optional<double> time,
                                    const std::optional<std::vector<double>>& growth,
                                    std::optional<double> framesPerSecond, bool withLand,
                                    const std::string& growthAsTyped) {
    if (!meshFormatOf(fileName)) {
        throw RequestError("--out needs a " + meshExtensionList() + " file, not '" +
                           printableField(fileName) + "'");
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
    if (framesPerSecond &&
        !(*framesPerSecond >= MinFramesPerSecond && *framesPerSecond <= MaxFramesPerSecond)) {
        throw RequestError("--fps needs a number from " + formatGeneral(MinFramesPerSecond) +
                           " to " + formatGeneral(MaxFramesPerSecond));
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
        request.growth = checkedTimeline(*growth, growthAsTyped);
        request.growth->framesPerSecond = framesPerSecond.value_or(0.0);
    }
    return request;
}

std::string checkedVideoFile(const std::string& fileName) {
    if (!isVideoFileName(fileName)) {
        throw RequestError("--video needs an " + videoExtensionList() + " file, not '" +
                           printableField(fileName) + "'");
    }
    return fileName;
}

FrameRate checkedFrameRate(int framesPerSecond) {
    if (framesPerSecond < 1 || framesPerSecond > MaxVideoFramesPerSecond) {
        throw RequestError(notWholeNumber("--fps", framesPerSecond, 1, MaxVideoFramesPerSecond));
    }
    return FrameRate::perSecond(framesPerSecond);
}

} // namespace burgeon
