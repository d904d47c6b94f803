#pragma once

#include "imageio/RgbImage.h"
#include "video/FrameRate.h"
#include "video/VideoFormat.h"

#include <memory>
#include <optional>
#include <string>

namespace burgeon {

class FfmpegVideoOutput;

// A video file built frame by frame: H.264 in MP4 for a ".mp4" name, VP9 in WebM for ".webm".
// Frames go to a temporary file beside it (an OutputFileSet of one), which finish() gives the
// file's name; until then, and after any failure, nothing exists under that name (an existing
// file stays as it was). finish() after any number of frames gives a playable video of exactly
// those frames, so a run stopped halfway keeps what it captured. Messages name the file as
// given.
class VideoEncoder {
public:
    // Opens the video for frames of width x height at rate. Odd sizes are padded to even ones
    // (see sizeNote()). quality is the constant-rate factor, lower is better: 0..51 for H.264,
    // 0..63 for VP9; absent, the encoder's default (23 for H.264, 32 for VP9). Throws
    // StandardError: a file name of another kind, an empty size, a quality out of range, a
    // missing encoder ("Cannot encode video: no H.264 encoder (libx264) in this FFmpeg"), or a
    // folder that does not take the file ("Cannot create file %s (reason)"). writtenAs, when
    // given, is where the video is written as a file of the caller's set
    // (OutputFileSet::addWrittenByName), which the caller commits; finish() then names nothing.
    VideoEncoder(const std::string& fileName, int width, int height, FrameRate rate,
                 std::optional<int> quality = std::nullopt, const std::string& writtenAs = {});
    // Without finish(), removes the temporary file.
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // Encodes the next frame. A frame of another size is placed at the top-left, cut where it
    // is larger and extended with its edge colour where smaller; an empty frame is not added.
    // Throws StandardError naming the file when writing fails (a full disk, a file-size
    // limit); the video is then abandoned.
    void addFrame(const RgbImage& frame);
    int frameCount() const { return frameCount_; }

    // Completes the video and gives it its name (unless it belongs to a caller's set). Throws
    // StandardError when there is no frame or writing fails; the video is then abandoned. Either
    // way the encoder is closed after it.
    void finish();
    // False after finish() or any failure: frames can no longer be added.
    bool isOpen() const { return output_ != nullptr; }

    const std::string& fileName() const { return fileName_; }
    const VideoFormat& format() const { return format_; }
    // The size of the encoded picture: the frame size rounded up to even numbers.
    int width() const { return width_; }
    int height() const { return height_; }
    // One line for the terminal when the size was padded, e.g. "video: 395 x 295 padded to
    // 396 x 296 for the encoder"; empty when nothing was padded.
    const std::string& sizeNote() const { return sizeNote_; }

private:
    struct Output;
    template <typename Step> void abandonOnFailure(Step step);

    std::string fileName_;
    VideoFormat format_;
    int width_;
    int height_;
    std::string sizeNote_;
    std::unique_ptr<Output> output_;
    int frameCount_ = 0;
};

} // namespace burgeon
