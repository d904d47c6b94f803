#include "video/VideoEncoder.h"

#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "video/FfmpegVideoOutput.h"
#include "video/FramePadding.h"

#include <stdexcept>

namespace burgeon {

namespace {

VideoStreamSettings writingTo(VideoStreamSettings settings, const std::string& path) {
    settings.path = path;
    return settings;
}

void checkSettings(const std::string& fileName, const VideoFormat& format, int width, int height,
                   std::optional<int> quality) {
    if (width <= 0 || height <= 0) {
        throw StandardError("Cannot write video " + fileName + ": the picture size " +
                            std::to_string(width) + " x " + std::to_string(height) + " is empty");
    }
    if (quality && (*quality < 0 || *quality > format.highestQuality)) {
        throw StandardError("Cannot write video " + fileName + ": the quality (crf) " +
                            std::to_string(*quality) + " lies outside 0.." +
                            std::to_string(format.highestQuality) + " for " + format.codecName);
    }
}

} // namespace

// The file outlives the stream that writes into it, so the stream is closed first, also when
// opening it fails.
struct VideoEncoder::Output {
    Output(const VideoFormat& format, const VideoStreamSettings& settings,
           const std::string& writtenAs)
        : ownSet(writtenAs.empty() ? std::make_unique<OutputFileSet>() : nullptr),
          stream(format, writingTo(settings, ownSet ? ownSet->addWrittenByName(settings.fileName)
                                                    : writtenAs)) {}

    std::unique_ptr<OutputFileSet> ownSet; // absent when the video belongs to a caller's set
    FfmpegVideoOutput stream;
};

VideoEncoder::VideoEncoder(const std::string& fileName, int width, int height, FrameRate rate,
                           std::optional<int> quality, const std::string& writtenAs)
    : fileName_(fileName), format_(VideoFormat::forFileName(fileName)), width_(evenSize(width)),
      height_(evenSize(height)), sizeNote_(paddingNote(width, height)) {
    checkSettings(fileName, format_, width, height, quality);
    if (rate.frames <= 0 || rate.seconds <= 0) {
        throw std::invalid_argument("a video's frame rate must be positive");
    }
    output_ = std::make_unique<Output>(
        format_, VideoStreamSettings{{}, fileName, width_, height_, rate, quality}, writtenAs);
}

VideoEncoder::~VideoEncoder() = default;

void VideoEncoder::addFrame(const RgbImage& frame) {
    if (!isOpen()) {
        throw std::logic_error("a frame was added to a closed video");
    }
    if (frame.empty()) {
        return;
    }
    abandonOnFailure([&] {
        if (frame.width() == width_ && frame.height() == height_) {
            output_->stream.write(frame);
        } else {
            output_->stream.write(fitFrame(frame, width_, height_));
        }
    });
    ++frameCount_;
}

void VideoEncoder::finish() {
    if (!isOpen()) {
        throw std::logic_error("a closed video was finished");
    }
    abandonOnFailure([&] {
        if (frameCount_ == 0) {
            throw StandardError("Cannot write video " + fileName_ + ": it has no frames");
        }
        output_->stream.finish();
        if (output_->ownSet) {
            output_->ownSet->commit();
        }
    });
    output_.reset();
}

template <typename Step> void VideoEncoder::abandonOnFailure(Step step) {
    try {
        step();
    } catch (...) {
        output_.reset();
        throw;
    }
}

} // namespace burgeon
