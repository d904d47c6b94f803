#pragma once

#include "components/LeafTextures.h"
#include "drawing/PlantWalk.h"
#include "imageio/RgbImage.h"
#include "render/BitmapFont.h"
#include "render/GlDrawingTarget.h"
#include "render/TextureSet.h"
#include "render/UnitGeometry.h"

#include <cstdint>
#include <string>

namespace burgeon {

class Clock;
class RenderHost;
struct PlantProject;

// The view's renderer: the GL resources made once on a context (render state, font lists,
// unit geometry, textures) and the steps of a frame, which drawScene puts together (through a
// RendererCanvas). It draws on whatever context its host makes current, the desktop view's or
// the headless one.
class Renderer {
public:
    // Draws the project's plant; the clock's time of day reseeds the wind at every node.
    Renderer(RenderHost& host, PlantProject& project, Clock& clock);
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer();

    // Render state, font, unit geometry and the land texture read from landTextureFile (the
    // installed copy when a bare name is not in the current folder).
    void initialize(const std::string& landTextureFile = LandTextureFile);
    void release();

    bool setProjection(int panelWidth, int panelHeight);
    void beginFrame();
    void applyViewTransform();
    void drawLand();
    void drawAxes();
    void rotateTurntable(double degrees);
    // Draws the plant at time t; returns TotalTime of the frame.
    std::int32_t drawPlant(double t);
    void endFrame();
    RgbImage readPixels(int width, int height);
    RgbImage grabShownPixels(int width, int height);

    void setCylinderGeometry(CylinderGeometry geometry) { target_.setCylinderGeometry(geometry); }
    void setFlushEachShape(bool on) { target_.setFlushEachShape(on); }
    std::int32_t totalTime() const { return totalTime_; }
    const GlDrawingTarget& drawingTarget() const { return target_; }

private:
    void prepareShapeInputs();

    RenderHost& host_;
    PlantProject& project_;
    BitmapFont font_;
    UnitGeometry geometry_;
    TextureSet textures_;
    GlDrawingTarget target_;
    PlantWalk walk_;
    std::int32_t totalTime_ = 0;
    bool initialized_ = false;
};

} // namespace burgeon
