#pragma once

#include <cstdint>
#include <string>

namespace burgeon {

// The camera: slider rotations and translation, zoom, plant scale and the mouse angles.
struct ViewState {
    double RotationX = 0.0, RotationY = 0.0, RotationZ = 0.0;
    double TranslationX = 0.0, TranslationY = -3.0, TranslationZ = -14.0;
    double ZoomAngle = 51.0;
    float PlantScale = 0.5f;
    float MouseYaw = 0.0f, MousePitch = 0.0f;
    float DragYaw = 0.0f, DragPitch = 0.0f;
    int DragStartX = 0, DragStartY = 0;
    bool ShowAxes = false;
};

// The animation clock and the capture run's settings.
struct AnimationState {
    double CurrentTime = 1.0;
    bool PaintBusy = true;
    bool AnimationPaused = false;
    std::int32_t FrameDelay = 0;
    std::int32_t TimeBarMax = 150;
    bool ViewMaximised = false;

    bool CaptureActive = false;
    std::string CaptureFolder;
    std::int32_t CaptureFirst = 1;
    std::int32_t CaptureLast = 1;
    std::int32_t GifCheckpointCounter = 0;
    bool SaveJpegFrames = true;
    bool SaveGifFrames = false;
};

} // namespace burgeon
