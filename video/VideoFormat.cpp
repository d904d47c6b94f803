#include "video/VideoFormat.h"

#include "base/StandardError.h"

#include <algorithm>
#include <array>
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

constexpr std::array<VideoFormat, 2> Formats{{
    {VideoCodec::H264, "mp4", "H.264", "libx264", "mp4", 51, "preset=veryfast",
     "movflags=+faststart"},
    // Real-time mode at its fastest setting, with rows encoded in parallel.
    {VideoCodec::Vp9, "webm", "VP9", "libvpx-vp9", "webm", 63,
     "deadline=realtime:cpu-used=8:row-mt=1", ""},
}};

const VideoFormat* formatOf(const std::string& fileName) {
    for (const VideoFormat& format : Formats) {
        if (endsWith(fileName, "." + std::string(format.extension))) {
            return &format;
        }
    }
    return nullptr;
}

// Each format's text, joined as "a, b or c" (between ", ", last " or ").
template <typename Text> std::string joined(Text text, const char* between, const char* last) {
    std::string joinedText;
    for (std::size_t i = 0; i < Formats.size(); ++i) {
        if (i > 0) {
            joinedText += i + 1 == Formats.size() ? last : between;
        }
        joinedText += text(Formats[i]);
    }
    return joinedText;
}

} // namespace

VideoFormat VideoFormat::forFileName(const std::string& fileName) {
    if (const VideoFormat* format = formatOf(fileName)) {
        return *format;
    }
    throw StandardError("Cannot write video " + fileName + ": the file name must end in " +
                        joined(
                            [](const VideoFormat& format) {
                                return "." + std::string(format.extension) + " (" +
                                       format.codecName + ")";
                            },
                            ", ", " or "));
}

std::span<const VideoFormat> videoFormats() {
    return Formats;
}

bool isVideoFileName(const std::string& fileName) {
    return formatOf(fileName) != nullptr;
}

std::string videoFileChoice() {
    return joined([](const VideoFormat& format) { return "OUT." + std::string(format.extension); },
                  "|", "|");
}

std::string videoFormatDescriptions() {
    return joined(
        [](const VideoFormat& format) {
            return "OUT." + std::string(format.extension) + " (" + format.codecName + ")";
        },
        ", ", " or ");
}

std::string videoExtensionList() {
    return joined([](const VideoFormat& format) { return "." + std::string(format.extension); },
                  ", ", " or ");
}

std::string videoQualityRanges() {
    return joined(
        [](const VideoFormat& format) {
            return "0.." + std::to_string(format.highestQuality) + " for " + format.codecName;
        },
        ", ", ", ");
}

} // namespace burgeon
