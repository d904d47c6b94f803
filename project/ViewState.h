#pragma once

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

} // namespace burgeon
