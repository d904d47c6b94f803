#include "render/CaptureRun.h"

#include "base/FileIo.h"
#include "base/NumberText.h"
#include "base/StandardError.h"
#include "imageio/BmpReader.h"
#include "imageio/BmpWriter.h"
#include "imageio/JpegWriter.h"

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

CaptureRun::CaptureRun(AnimationState& animation, AnimationPage& page, UserInterface& ui)
    : state_(animation), page_(page), ui_(ui) {
    page_.createCaptureTools = [this](int reductionBits) { createTools(reductionBits); };
}

void CaptureRun::createTools(int reductionBits) {
    animation_ = std::make_unique<AnimatedGif>(reductionBits);
    frame_ = RgbImage();
}

void CaptureRun::releaseTools() {
    animation_.reset();
    frame_ = RgbImage();
}

void CaptureRun::step(FrameCanvas& canvas) {
    const double time = state_.CurrentTime;
    if (state_.CaptureActive && state_.CaptureFirst <= time && time <= state_.CaptureLast) {
        if (!animation_) {
            createTools(page_.reductionBitsBox.position());
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
    const double time = state_.CurrentTime;
    const std::string& folder = state_.CaptureFolder;
    const std::string timeText = formatGeneral(time);

    const int width = std::max(canvas.panelWidth() - 5, 0);
    const int height = std::max(canvas.panelHeight() - 5, 0);
    page_.capturedFrame = canvas.grabShownPixels(width, height);
    page_.capturedFrameViews.notify();
    const std::string pictureFile = joinPath(folder, "Picture.bmp");
    writeBmpFile(pictureFile, page_.capturedFrame);
    if (state_.SaveJpegFrames) {
        writeJpegFile(joinPath(folder, "Picture" + timeText + ".jpg"), page_.capturedFrame,
                      page_.jpegQualityBox.position());
    }
    frame_ = readBackBitmap(pictureFile);
    if (state_.SaveGifFrames) {
        writeGifFile(joinPath(folder, "Pict" + timeText + ".GIF"), frame_);
        if (time == state_.CaptureFirst) {
            writeGifFile(joinPath(folder, "Plant.gif"), frame_);
        }
    }
    animation_->addFrame(frame_, page_.gifDelayBox.position());
    animation_->reductionBits = page_.reductionBitsBox.position();

    // A run of a single time has nothing to divide: its one frame is the whole run.
    const int span = state_.CaptureLast - state_.CaptureFirst;
    const double progress = span == 0 ? 100.0 : (time - state_.CaptureFirst) / span * 100.0;
    page_.captureGauge.setPosition(static_cast<int>(roundHalfEven(progress)));

    state_.GifCheckpointCounter += 1;
    if (state_.GifCheckpointCounter >= 10) {
        animation_->save(joinPath(folder, "PlantTmp.gif"));
        state_.GifCheckpointCounter = 1;
    }

    if (time == state_.CaptureLast) {
        animation_->save(joinPath(folder, "Plant.gif"));
        releaseTools();
        state_.CaptureActive = false;
        page_.captureGauge.setPosition(100);
        ui_.showMessage("Capture Completed.");
    }
}

} // namespace burgeon
