#include "render/Renderer.h"

#include "base/DataFolder.h"
#include "project/PlantProject.h"
#include "render/GlHeaders.h"
#include "render/RenderHost.h"
#include "render/RenderState.h"
#include "render/ViewTransform.h"

#include <exception>

namespace burgeon {

Renderer::Renderer(RenderHost& host, PlantProject& project, Clock& clock)
    : host_(host), project_(project), target_(geometry_), walk_(project, clock) {}

Renderer::~Renderer() {
    try {
        release();
    } catch (const std::exception&) {
        // The context is gone already; its objects went with it.
    }
}

void Renderer::initialize(const std::string& landTextureFile) {
    host_.makeCurrent();
    initRenderState();
    font_.build();
    geometry_.build();
    textures_.loadLandTexture(findDataFile(landTextureFile));
    initialized_ = true;
}

void Renderer::release() {
    if (!initialized_) {
        return;
    }
    host_.makeCurrent();
    textures_.release();
    target_.release();
    geometry_.release();
    font_.release();
    initialized_ = false;
}

bool Renderer::setProjection(int panelWidth, int panelHeight) {
    return burgeon::setProjection(project_.view, panelWidth, panelHeight);
}

void Renderer::beginFrame() {
    const RgbColor background = project_.materials.backgroundColor;
    glClearColor(static_cast<float>(background.red) / 255.0f,
                 static_cast<float>(background.green) / 255.0f,
                 static_cast<float>(background.blue) / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Renderer::applyViewTransform() {
    burgeon::applyViewTransform(project_.view);
}

void Renderer::prepareShapeInputs() {
    ShapeInputs shapes;
    shapes.materials = &project_.materials;
    shapes.leaf = &project_.leaf;
    shapes.flower = &project_.flower;
    shapes.placement = &project_.placement;
    shapes.texturesEnabled = project_.leafTextures.texturesEnabled;
    shapes.landTexture = textures_.landTexture();
    textures_.synchronise(project_.leafTextures);
    shapes.leafTexture = textures_.leafPassTexture(project_.leafTextures);
    target_.setInputs(shapes);
    target_.synchroniseDepth();
}

void Renderer::drawLand() {
    prepareShapeInputs();
    target_.drawLand();
}

void Renderer::drawAxes() {
    burgeon::drawAxes(font_);
}

void Renderer::rotateTurntable(double degrees) {
    glRotatef(static_cast<float>(degrees), 0.0f, 1.0f, 0.0f);
}

std::int32_t Renderer::drawPlant(double t) {
    prepareShapeInputs();
    target_.setDetail(project_.view.detail);
    target_.startWalk();
    totalTime_ = walk_.draw(target_, t);
    target_.finishWalk();
    return totalTime_;
}

void Renderer::endFrame() {
    host_.swapBuffers();
}

RgbImage Renderer::readPixels(int width, int height) {
    return host_.readPixels(width, height);
}

RgbImage Renderer::grabShownPixels(int width, int height) {
    return host_.shownPixels(width, height);
}

} // namespace burgeon
