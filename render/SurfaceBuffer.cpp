#include "render/SurfaceBuffer.h"

#include "render/GlHeaders.h"
#include "render/RenderState.h"

#include <algorithm>
#include <limits>

namespace burgeon {

namespace {

void setCapability(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

} // namespace

void SurfaceBuffer::clear() {
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        runs_[k].arrays.vertices().clear();
        runs_[k].arrays.indices().clear();
    }
    usedRuns_ = 0;
    run_ = nullptr;
    state_ = State{};
    std::array<GLfloat, 4> current{};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, current.data());
    texCoord_ = {current[0], current[1]};
    glGetFloatv(GL_CURRENT_NORMAL, current.data());
    normal_ = {current[0], current[1], current[2]};
    std::array<GLfloat, 16> projection{};
    std::array<GLint, 4> viewport{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    screen_.emplace(projection, viewport, cullsBackFaces());
}

void SurfaceBuffer::draw(unsigned leafTexture) {
    std::array<GLfloat, 16> modelView{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    glLoadIdentity();
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        Run& run = runs_[k];
        if (run.arrays.indices().empty()) {
            continue;
        }
        setMaterial(run.state.color, run.state.alpha);
        setCapability(GL_POLYGON_SMOOTH, run.state.smooth);
        setCapability(GL_TEXTURE_2D, run.state.textured);
        if (run.state.textured) {
            glBindTexture(GL_TEXTURE_2D, leafTexture);
        }
        run.arrays.upload();
        run.arrays.drawTriangles();
    }
    glLoadMatrixf(modelView.data());
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_POLYGON_SMOOTH);
    // What the arrays leave current is undefined; the routines leave their last values.
    glTexCoord2f(texCoord_[0], texCoord_[1]);
    glNormal3f(normal_[0], normal_[1], normal_[2]);
}

void SurfaceBuffer::release() {
    for (Run& run : runs_) {
        run.arrays.release();
    }
}

std::size_t SurfaceBuffer::triangleCount() const {
    std::size_t indices = 0;
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        indices += runs_[k].arrays.indices().size();
    }
    return indices / 3;
}

void SurfaceBuffer::setFrontMaterial(RgbColor color, float alpha) {
    state_.color = color;
    state_.alpha = alpha;
}

// The triangles that follow go into the run of the present state, placed by the present
// model-view matrix.
void SurfaceBuffer::beginTriangles() {
    run_ = nullptr;
    for (std::size_t k = 0; k < usedRuns_ && run_ == nullptr; ++k) {
        if (runs_[k].state == state_) {
            run_ = &runs_[k];
        }
    }
    if (run_ == nullptr) {
        if (usedRuns_ == runs_.size()) {
            runs_.emplace_back();
        }
        run_ = &runs_[usedRuns_++];
        run_->state = state_;
    }
    std::array<GLfloat, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    for (std::size_t k = 0; k < 16; ++k) {
        modelView_[k] = m[k];
    }
    // Cofactors of the upper 3 x 3: the inverse transpose up to its determinant, which the
    // pipeline's normalisation takes out.
    const auto& a = modelView_;
    normalMatrix_ = {
        a[5] * a[10] - a[6] * a[9], a[6] * a[8] - a[4] * a[10], a[4] * a[9] - a[5] * a[8],
        a[2] * a[9] - a[1] * a[10], a[0] * a[10] - a[2] * a[8], a[1] * a[8] - a[0] * a[9],
        a[1] * a[6] - a[2] * a[5],  a[2] * a[4] - a[0] * a[6],  a[0] * a[5] - a[1] * a[4]};
    // A matrix that mirrors turns normals over as well.
    const double determinant =
        a[0] * normalMatrix_[0] + a[4] * normalMatrix_[3] + a[8] * normalMatrix_[6];
    if (determinant < 0.0) {
        for (double& entry : normalMatrix_) {
            entry = -entry;
        }
    }
}

void SurfaceBuffer::vertex(const Vector3& normal, const double* texCoord, double x, double y,
                           double z) {
    if (texCoord != nullptr) {
        texCoord_ = {static_cast<float>(texCoord[0]), static_cast<float>(texCoord[1])};
    }
    normal_ = {static_cast<float>(normal.x), static_cast<float>(normal.y),
               static_cast<float>(normal.z)};
    if (run_ == nullptr) {
        return;
    }
    // What the pipeline would take: single precision.
    const Vertex given{
        texCoord_[0],          texCoord_[1],          normal_[0],           normal_[1], normal_[2],
        static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    std::vector<std::uint32_t>& indices = run_->arrays.indices();
    indices.push_back(appendPlaced(given));
    if (indices.size() % 3 == 0) {
        keepIfShown();
    }
}

void SurfaceBuffer::keepIfShown() {
    std::vector<std::uint32_t>& indices = run_->arrays.indices();
    const float* vertices = run_->arrays.vertices().data();
    const auto clip = [&](std::size_t back) {
        return screen_->clip(vertices + indices[indices.size() - back] * FloatsPerVertex + 5);
    };
    if (!screen_->shows(clip(3), clip(2), clip(1))) {
        indices.resize(indices.size() - 3);
    }
}

void SurfaceBuffer::drawSide(const SurfaceSide& side) {
    beginTriangles();
    constexpr std::uint32_t unplaced = std::numeric_limits<std::uint32_t>::max();
    placedPoints_.assign(MaxShapePoints + 1, unplaced);
    std::vector<std::uint32_t>& indices = run_->arrays.indices();
    const int triangles = side.triangleCount();
    for (int k = 1; k <= triangles; ++k) {
        const std::array<std::size_t, 3> corners = side.corners(k);
        for (const std::size_t point : corners) {
            std::uint32_t& placed = placedPoints_[point];
            if (placed == unplaced) {
                if (const double* texCoord = side.texCoord(point)) {
                    texCoord_ = {static_cast<float>(texCoord[0]), static_cast<float>(texCoord[1])};
                }
                const Vector3 normal = side.normal(point);
                const Vector3 position = side.position(point);
                placed =
                    appendPlaced({texCoord_[0], texCoord_[1], static_cast<float>(normal.x),
                                  static_cast<float>(normal.y), static_cast<float>(normal.z),
                                  static_cast<float>(position.x), static_cast<float>(position.y),
                                  static_cast<float>(position.z)});
                pointClips_[point] = screen_->clip(run_->arrays.vertices().data() +
                                                   std::size_t{placed} * FloatsPerVertex + 5);
            }
        }
        const auto& clips = pointClips_;
        if (screen_->shows(clips[corners[0]], clips[corners[1]], clips[corners[2]])) {
            for (const std::size_t point : corners) {
                indices.push_back(placedPoints_[point]);
            }
        }
    }
    // What the routines leave current: the last corner's normal and texture coordinate.
    if (triangles > 0) {
        const std::size_t last = side.corners(triangles)[2];
        const Vector3 normal = side.normal(last);
        normal_ = {static_cast<float>(normal.x), static_cast<float>(normal.y),
                   static_cast<float>(normal.z)};
        if (const double* texCoord = side.texCoord(last)) {
            texCoord_ = {static_cast<float>(texCoord[0]), static_cast<float>(texCoord[1])};
        }
    }
}

// The vertex in eye space: the position by the model-view matrix, the normal by its cofactors.
std::uint32_t SurfaceBuffer::appendPlaced(const Vertex& given) {
    const auto& m = modelView_;
    const auto& n = normalMatrix_;
    const double nx = given[2];
    const double ny = given[3];
    const double nz = given[4];
    const double px = given[5];
    const double py = given[6];
    const double pz = given[7];
    std::vector<float>& vertices = run_->arrays.vertices();
    const auto index = static_cast<std::uint32_t>(vertices.size() / FloatsPerVertex);
    vertices.insert(vertices.end(),
                    {given[0], given[1], static_cast<float>(n[0] * nx + n[3] * ny + n[6] * nz),
                     static_cast<float>(n[1] * nx + n[4] * ny + n[7] * nz),
                     static_cast<float>(n[2] * nx + n[5] * ny + n[8] * nz),
                     static_cast<float>(m[0] * px + m[4] * py + m[8] * pz + m[12]),
                     static_cast<float>(m[1] * px + m[5] * py + m[9] * pz + m[13]),
                     static_cast<float>(m[2] * px + m[6] * py + m[10] * pz + m[14])});
    return index;
}

} // namespace burgeon
