#pragma once

#include <optional>
#include <string_view>

namespace burgeon {

// How finely the plant's segments are drawn: each as finely as its size on screen asks, or
// every one at full detail (the geometry a mesh export holds).
enum class DrawingDetail { Auto, Full };

// "auto" and "full", as sessions and the command line name them.
constexpr std::string_view drawingDetailName(DrawingDetail detail) {
    return detail == DrawingDetail::Full ? "full" : "auto";
}
constexpr std::optional<DrawingDetail> drawingDetailNamed(std::string_view name) {
    if (name == "auto") {
        return DrawingDetail::Auto;
    }
    if (name == "full") {
        return DrawingDetail::Full;
    }
    return std::nullopt;
}

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
    DrawingDetail detail = DrawingDetail::Auto;
};

} // namespace burgeon
