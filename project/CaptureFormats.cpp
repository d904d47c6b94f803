#include "project/CaptureFormats.h"

#include <array>

namespace burgeon {

namespace {

constexpr std::array<CaptureFormatInfo, 3> Formats{{
    {CaptureFormat::Jpeg, "Jpeg Format", "--jpeg", "a JPEG file per frame (the default)"},
    {CaptureFormat::Gif, "Gif Format (256 Colors)", "--gif-frames", "a GIF file per frame"},
    {CaptureFormat::Video, "Video (MP4)", "--video",
     "the frames as one video instead of JPEG or GIF files"},
}};

} // namespace

std::span<const CaptureFormatInfo> captureFormats() {
    return Formats;
}

const CaptureFormatInfo& captureFormatInfo(CaptureFormat format) {
    return Formats[static_cast<std::size_t>(format)];
}

std::string captureFormatOptions() {
    std::string text;
    for (std::size_t i = 0; i < Formats.size(); ++i) {
        text += (i == 0 ? "" : (i + 1 == Formats.size() ? " and " : ", ")) +
                std::string(Formats[i].option);
    }
    return text;
}

} // namespace burgeon
