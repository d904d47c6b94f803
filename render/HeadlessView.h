#pragma once

#include "imageio/PictureSize.h"
#include "imageio/RgbImage.h"
#include "render/HeadlessContext.h"
#include "render/Renderer.h"
#include "render/RendererCanvas.h"

#include <string>

namespace burgeon {

class Clock;
struct PlantProject;

// A plant's view without a window: a headless context of the picture's size with the renderer
// on it, its textures loaded and its projection set, and the canvas a frame is drawn on. The
// one place that sets these up for the command line, the engine, the tests and the benchmarks.
// Throws HeadlessContextError when no OpenGL context can be had.
class HeadlessView {
public:
    HeadlessView(PlantProject& project, Clock& clock, PictureSize size,
                 const std::string& landTexture = LandTextureFile);

    PictureSize size() const { return size_; }
    FrameCanvas& canvas() { return canvas_; }
    Renderer& renderer() { return renderer_; }
    HeadlessContext& context() { return context_; }

    // The scene at a time, drawn and read back, in this view's context whichever context was
    // current before.
    RgbImage drawPicture(double time);
    // The frame being drawn, read back.
    RgbImage readPixels();

private:
    PlantProject& project_;
    PictureSize size_;
    HeadlessContext context_;
    Renderer renderer_;
    RendererCanvas canvas_;
};

} // namespace burgeon
