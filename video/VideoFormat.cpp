#include "video/VideoFormat.h"

#include "base/StandardError.h"

#include <algorithm>
#include <cctype>

namespace burgeon {

namespace {

bool endsWith(const std::string& name, const std::string& lowerCaseEnding) {
    if (name.size() < lowerCaseEnding.size()) {
        return false;
    }
    return std::equal(lowerCaseEnding.rbegin(), lowerCaseEnding.rend(), name.rbegin(),
                      [](char expected, char actual) {
                          return expected == std::tolower(static_cast<unsigned char>(actual));
                      });
}

} // namespace

VideoFormat VideoFormat::forFileName(const std::string& fileName) {
    if (endsWith(fileName, ".mp4")) {
        return {VideoCodec::H264,     "H.264", "libx264", "mp4", 51, "preset=veryfast",
                "movflags=+faststart"};
    }
    if (endsWith(fileName, ".webm")) {
        // Real-time mode at its fastest setting, with rows encoded in parallel.
        return {VideoCodec::Vp9,
                "VP9",
                "libvpx-vp9",
                "webm",
                63,
                "deadline=realtime:cpu-used=8:row-mt=1",
                ""};
    }
    throw StandardError("Cannot write video " + fileName +
                        ": the file name must end in .mp4 (H.264) or .webm (VP9)");
}

} // namespace burgeon
