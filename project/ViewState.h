#pragma once

namespace burgeon {

// The camera: slider rotations and translation, zoom, plant scale and the mouse angles.
struct ViewState {
    double rotationX = 0.0, rotationY = 0.0, rotationZ = 0.0;
    double translationX = 0.0, translationY = -3.0, translationZ = -14.0;
    double zoomAngle = 51.0;
    float plantScale = 0.5f;
    float mouseYaw = 0.0f, mousePitch = 0.0f;
    float dragYaw = 0.0f, dragPitch = 0.0f;
    int dragStartX = 0, dragStartY = 0;
    bool showAxes = false;
};

} // namespace burgeon
