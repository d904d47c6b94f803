#pragma once

#include <span>
#include <string>

namespace burgeon {

enum class VideoCodec { H264, Vp9 };

// What a video file name's extension asks for: the codec, the FFmpeg encoder and muxer, and
// their settings. Both formats use 8-bit yuv420p, which browsers, players and presentation
// software all decode.
struct VideoFormat {
    VideoCodec codec;
    const char* extension;     // of the file names, without its dot: "mp4", "webm"
    const char* codecName;     // as the user knows it: "H.264", "VP9"
    const char* encoderName;   // the FFmpeg encoder: "libx264", "libvpx-vp9"
    const char* containerName; // the FFmpeg muxer: "mp4", "webm"
    int highestQuality;        // the largest constant-rate factor (crf) the encoder takes
    // "key=value:key=value" for the encoder: speed settings that keep a capture interactive.
    const char* encoderOptions;
    // The same for the muxer: MP4 puts its index first, so playback starts before the whole
    // file has arrived.
    const char* containerOptions;

    // ".mp4" (H.264 in MP4) or ".webm" (VP9 in WebM), in any letter case. Throws
    // StandardError naming the file for any other name.
    static VideoFormat forFileName(const std::string& fileName);
};

// Every video format, in the order usage texts list them. The command line's usage, help and
// messages are made from this table.
std::span<const VideoFormat> videoFormats();
// Whether a file name ends in the extension of a video format (any case).
bool isVideoFileName(const std::string& fileName);
// "OUT.mp4|OUT.webm", for usage lines.
std::string videoFileChoice();
// "OUT.mp4 (H.264) or OUT.webm (VP9)".
std::string videoFormatDescriptions();
// ".mp4 or .webm".
std::string videoExtensionList();
// "0..51 for H.264, 0..63 for VP9".
std::string videoQualityRanges();

} // namespace burgeon
