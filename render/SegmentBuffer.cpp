#include "render/SegmentBuffer.h"

#include "render/GlHeaders.h"
#include "render/RenderState.h"

namespace burgeon {

void SegmentBuffer::draw() {
    ScreenView view;
    glGetFloatv(GL_PROJECTION_MATRIX, view.projection.data());
    glGetIntegerv(GL_VIEWPORT, view.viewport.data());
    view.cullsBackFaces = cullsBackFaces();
    if (!builtView_ || *builtView_ != view || builtSegments_ != segments_) {
        build(view);
        builtSegments_ = segments_;
        builtView_ = view;
    }
    std::array<GLfloat, 16> modelView{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    glLoadIdentity();
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        setMaterial(runs_[k].color, 1.0f);
        runs_[k].arrays.drawTriangles();
    }
    glLoadMatrixf(modelView.data());
}

void SegmentBuffer::release() {
    for (ColorRun& run : runs_) {
        run.arrays.release();
    }
    builtView_.reset();
}

std::size_t SegmentBuffer::triangleCount() const {
    std::size_t indices = 0;
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        indices += runs_[k].arrays.indices().size();
    }
    return indices / 3;
}

// The meshes' vectors change places with the runs' arrays: no copy, and the old storage is
// filled the next time.
void SegmentBuffer::build(const ScreenView& view) {
    ++builds_;
    mesher_.build(segments_, view, meshes_);
    usedRuns_ = meshes_.size();
    if (runs_.size() < usedRuns_) {
        runs_.resize(usedRuns_);
    }
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        ColorRun& run = runs_[k];
        run.color = meshes_[k].color;
        run.arrays.vertices().swap(meshes_[k].vertices);
        run.arrays.indices().swap(meshes_[k].indices);
        run.arrays.upload();
    }
}

} // namespace burgeon
