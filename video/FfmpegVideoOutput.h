#pragma once

#include "imageio/RgbImage.h"
#include "video/FrameRate.h"
#include "video/VideoFormat.h"

#include <memory>
#include <optional>
#include <string>

namespace burgeon {

// What FfmpegVideoOutput writes: a picture of width x height (both even) at rate frames per
// second, at quality (the encoder's crf; its default when absent) into path. fileName is the
// name the user knows, used in messages.
struct VideoStreamSettings {
    std::string path;
    std::string fileName;
    int width = 0;
    int height = 0;
    FrameRate rate;
    std::optional<int> quality;
};

// One video stream encoded and muxed by FFmpeg into a file: RGB frames converted to yuv420p
// (BT.709 colours, limited range, tagged so players convert them back alike), one tick of the
// time base per frame. Every failing step throws StandardError naming the file; the file is
// then incomplete, and destroying the object closes it as it stands.
class FfmpegVideoOutput {
public:
    // Finds and opens the encoder, creates the file and writes the container's header.
    FfmpegVideoOutput(const VideoFormat& format, const VideoStreamSettings& settings);
    ~FfmpegVideoOutput();
    FfmpegVideoOutput(const FfmpegVideoOutput&) = delete;
    FfmpegVideoOutput& operator=(const FfmpegVideoOutput&) = delete;

    // Encodes a frame of exactly the stream's size as the next one.
    void write(const RgbImage& frame);
    // Drains the frames the encoder still holds, writes the container's index and closes the
    // file. Nothing may be written after it.
    void finish();

private:
    struct Contexts;
    void openEncoder(const VideoFormat& format, const VideoStreamSettings& settings);
    void openContainer(const VideoFormat& format, const VideoStreamSettings& settings);
    // Sends the picture (or, at the end of the stream, nothing) and writes every packet out.
    void encode(bool endOfStream);
    [[noreturn]] void fail(const std::string& step, int code) const;

    std::unique_ptr<Contexts> contexts_;
};

} // namespace burgeon
