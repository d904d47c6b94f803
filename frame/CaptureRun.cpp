#include "frame/CaptureRun.h"

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

bool viewCanBeCaptured(PictureSize view) {
    const int width = view.width - CaptureMargin;
    const int height = view.height - CaptureMargin;
    return width > 0 && height > 0 && bmpFileSize(width, height) <= BitmapFileLimit.bytes;
}

CaptureRun::CaptureRun(AnimationSettings& settings, AnimationState& state)
    : settings_(settings), state_(state) {}

CaptureRun::~CaptureRun() = default;

void CaptureRun::stop() {
    const bool running = state_.captureActive;
    state_.captureActive = false;
    if (video_) {
        try {
            finishVideo();
        } catch (const StandardError& error) {
            end(CaptureEnd::Kind::Failed, error.what());
            return;
        }
    }
    if (running) {
        end(CaptureEnd::Kind::Stopped);
    }
}

void CaptureRun::end(CaptureEnd::Kind kind, std::string message) {
    if (runEnded) {
        runEnded(CaptureEnd{kind, std::move(message)});
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
                                                videoOutput.quality, videoOutput.writtenAs);
        if (!video_->sizeNote().empty() && videoNote) {
            videoNote(video_->sizeNote());
        }
    }
    video_->addFrame(frame_);
}

void CaptureRun::start(const std::string& folder) {
    reportProgress(0);
    state_.captureFirst = settings_.capture.first;
    state_.captureLast = settings_.capture.last;
    state_.captureFolder = folder;
    settings_.currentTime = state_.captureFirst - 2;
    state_.captureActive = true;
    state_.paintBusy = false;
    state_.animationPaused = false;
    state_.gifCheckpointCounter = 0;
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
    if (state_.captureActive && state_.captureFirst <= time && time <= state_.captureLast) {
        if (!animation_) {
            createTools(settings_.capture.reductionBits);
        }
        try {
            captureFrame(canvas);
        } catch (const StandardError& error) {
            // Files already written stay, including the last "PlantTmp.gif".
            state_.captureActive = false;
            releaseTools();
            end(CaptureEnd::Kind::Failed, error.what());
        }
    } else if (time > state_.captureLast) {
        state_.captureActive = false;
    }
}

void CaptureRun::captureFrame(FrameCanvas& canvas) {
    const double time = settings_.currentTime;
    const CaptureSettings& capture = settings_.capture;
    const std::string& folder = state_.captureFolder;
    const std::string timeText = formatGeneral(time);

    const int width = std::max(canvas.panelWidth() - CaptureMargin, 0);
    const int height = std::max(canvas.panelHeight() - CaptureMargin, 0);
    picture_ = canvas.grabShownPixels(width, height);
    if (frameCaptured) {
        frameCaptured(picture_);
    }
    const std::string pictureFile = joinPath(folder, "Picture.bmp");
    writeBmpFile(pictureFile, picture_);
    if (state_.saveJpegFrames) {
        writeJpegFile(joinPath(folder, "Picture" + timeText + ".jpg"), picture_, capture.quality);
    }
    frame_ = readBackBitmap(pictureFile);
    if (state_.saveVideo) {
        addVideoFrame(folder);
    } else {
        if (state_.saveGifFrames) {
            writeGifFile(joinPath(folder, "Pict" + timeText + ".GIF"), frame_);
            if (time == state_.captureFirst) {
                writeGifFile(joinPath(folder, "Plant.gif"), frame_);
            }
        }
        animation_->addFrame(frame_, capture.delay);
        animation_->reductionBits = capture.reductionBits;
    }

    // A run of a single time has nothing to divide: its one frame is the whole run.
    const int span = state_.captureLast - state_.captureFirst;
    const double progress = span == 0 ? 100.0 : (time - state_.captureFirst) / span * 100.0;
    reportProgress(static_cast<int>(roundHalfEven(progress)));

    state_.gifCheckpointCounter += 1;
    if (state_.gifCheckpointCounter >= 10 && !state_.saveVideo) {
        animation_->save(joinPath(folder, "PlantTmp.gif"));
        state_.gifCheckpointCounter = 1;
    }

    if (time == state_.captureLast) {
        if (state_.saveVideo) {
            finishVideo();
        } else {
            animation_->save(joinPath(folder, "Plant.gif"));
        }
        releaseTools();
        state_.captureActive = false;
        reportProgress(100);
        end(CaptureEnd::Kind::Completed);
    }
}

} // namespace burgeon
