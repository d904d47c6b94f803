#include "render/CaptureRun.h"

#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/StandardError.h"
#include "imageio/BmpReader.h"
#include "imageio/BmpWriter.h"
#include "imageio/JpegWriter.h"
#include "video/VideoEncoder.h"

#include <algorithm>

namespace burgeon {

namespace {

RgbImage readBackBitmap(const std::string& fileName) {
    const auto pixels = readBitmapFile(fileName);
    if (!pixels) {
        throw StandardError::cannotOpenFile(fileName);
    }
    RgbImage image(pixels->width, pixels->height);
    auto& bytes = image.bytes();
    for (std::size_t pixel = 0; pixel * 3 < bytes.size(); ++pixel) {
        bytes[pixel * 3] = pixels->rgba[pixel * 4];
        bytes[pixel * 3 + 1] = pixels->rgba[pixel * 4 + 1];
        bytes[pixel * 3 + 2] = pixels->rgba[pixel * 4 + 2];
    }
    return image;
}

} // namespace

CaptureRun::CaptureRun(AnimationSettings& settings, AnimationState& state, UserInterface& ui)
    : settings_(settings), state_(state), ui_(ui) {}

CaptureRun::~CaptureRun() = default;

void CaptureRun::stop() {
    state_.CaptureActive = false;
    if (video_) {
        try {
            finishVideo();
        } catch (const StandardError& error) {
            ui_.showMessage(error.what());
        }
    }
}

void CaptureRun::finishVideo() {
    const std::unique_ptr<VideoEncoder> video = std::move(video_);
    video->finish();
}

void CaptureRun::addVideoFrame(const std::string& folder) {
    if (!video_) {
        const FrameRate rate =
            videoOutput.rate.value_or(FrameRate::fromFrameDelay(settings_.capture.delay));
        const std::string file =
            videoOutput.fileName.empty() ? joinPath(folder, "Plant.mp4") : videoOutput.fileName;
        video_ = std::make_unique<VideoEncoder>(file, frame_.width(), frame_.height(), rate,
                                                videoOutput.quality);
        if (!video_->sizeNote().empty() && videoNote) {
            videoNote(video_->sizeNote());
        }
    }
    video_->addFrame(frame_);
}

void CaptureRun::start(const std::string& folder) {
    reportProgress(0);
    state_.CaptureFirst = settings_.capture.first;
    state_.CaptureLast = settings_.capture.last;
    state_.CaptureFolder = folder;
    settings_.currentTime = state_.CaptureFirst - 2;
    state_.CaptureActive = true;
    state_.PaintBusy = false;
    state_.AnimationPaused = false;
    state_.GifCheckpointCounter = 0;
    createTools(settings_.capture.reductionBits);
}

void CaptureRun::reportProgress(int percent) {
    if (progressChanged) {
        progressChanged(percent);
    }
}

void CaptureRun::createTools(int reductionBits) {
    animation_ = std::make_unique<AnimatedGif>(reductionBits);
    frame_ = RgbImage();
}

void CaptureRun::releaseTools() {
    animation_.reset();
    video_.reset(); // an unfinished video leaves no file
    frame_ = RgbImage();
}

void CaptureRun::step(FrameCanvas& canvas) {
    const double time = settings_.currentTime;
    if (state_.CaptureActive && state_.CaptureFirst <= time && time <= state_.CaptureLast) {
        if (!animation_) {
            createTools(settings_.capture.reductionBits);
        }
        try {
            captureFrame(canvas);
        } catch (const StandardError& error) {
            // Files already written stay, including the last "PlantTmp.gif".
            state_.CaptureActive = false;
            releaseTools();
            ui_.showMessage(error.what());
        }
    } else if (time > state_.CaptureLast) {
        state_.CaptureActive = false;
    }
}

void CaptureRun::captureFrame(FrameCanvas& canvas) {
    const double time = settings_.currentTime;
    const CaptureSettings& capture = settings_.capture;
    const std::string& folder = state_.CaptureFolder;
    const std::string timeText = formatGeneral(time);

    const int width = std::max(canvas.panelWidth() - 5, 0);
    const int height = std::max(canvas.panelHeight() - 5, 0);
    picture_ = canvas.grabShownPixels(width, height);
    if (frameCaptured) {
        frameCaptured(picture_);
    }
    const std::string pictureFile = joinPath(folder, "Picture.bmp");
    writeBmpFile(pictureFile, picture_);
    if (state_.SaveJpegFrames) {
        writeJpegFile(joinPath(folder, "Picture" + timeText + ".jpg"), picture_, capture.quality);
    }
    frame_ = readBackBitmap(pictureFile);
    if (state_.SaveVideo) {
        addVideoFrame(folder);
    } else {
        if (state_.SaveGifFrames) {
            writeGifFile(joinPath(folder, "Pict" + timeText + ".GIF"), frame_);
            if (time == state_.CaptureFirst) {
                writeGifFile(joinPath(folder, "Plant.gif"), frame_);
            }
        }
        animation_->addFrame(frame_, capture.delay);
        animation_->reductionBits = capture.reductionBits;
    }

    // A run of a single time has nothing to divide: its one frame is the whole run.
    const int span = state_.CaptureLast - state_.CaptureFirst;
    const double progress = span == 0 ? 100.0 : (time - state_.CaptureFirst) / span * 100.0;
    reportProgress(static_cast<int>(roundHalfEven(progress)));

    state_.GifCheckpointCounter += 1;
    if (state_.GifCheckpointCounter >= 10 && !state_.SaveVideo) {
        animation_->save(joinPath(folder, "PlantTmp.gif"));
        state_.GifCheckpointCounter = 1;
    }

    if (time == state_.CaptureLast) {
        if (state_.SaveVideo) {
            finishVideo();
        } else {
            animation_->save(joinPath(folder, "Plant.gif"));
        }
        releaseTools();
        state_.CaptureActive = false;
        reportProgress(100);
        ui_.showMessage("Capture Completed.");
    }
}

} // namespace burgeon
