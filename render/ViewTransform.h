#pragma once

namespace burgeon {

class BitmapFont;
struct ViewState;

// Perspective of zoomAngle degrees over the panel's aspect, near 0.1, far 500, the viewport
// over the whole panel and smooth shading. A panel of zero height has no aspect ratio: the
// previous projection stays and false is returned; so does a panel of zero width.
bool setProjection(const ViewState& view, int panelWidth, int panelHeight);

// The camera every frame starts from: T . Rx . Ry . Rz . Ryaw . Rpitch on a fresh model-view
// matrix.
void applyViewTransform(const ViewState& view);

// "Reset": slider rotations to 0 and the translation to (0, -3, -14); nothing else.
void resetView(ViewState& view);

// The X-Y-Z axis cross with its labels, in scene coordinates.
void drawAxes(const BitmapFont& font);

} // namespace burgeon
