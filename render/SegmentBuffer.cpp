#include "render/SegmentBuffer.h"

#include "render/GlHeaders.h"
#include "render/RenderState.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace burgeon {

namespace {

using Vector = std::array<double, 3>;

// A shape's frame in eye space: the unit shape's x, y and z axes scaled to the segment and
// turned as the pipeline turns them (90 degrees about X, so the shape's +Z runs down -Y), its
// origin, and the axes its normals take (turned, not scaled, with the sign of the radius).
struct PlacedFrame {
    Vector x;
    Vector y;
    Vector z;
    Vector origin;
    Vector normalX;
    Vector normalY;
    Vector normalZ;
};

Vector column(const std::array<float, 16>& m, int index) {
    const auto at = static_cast<std::size_t>(4 * index);
    return {m[at], m[at + 1], m[at + 2]};
}

Vector scaled(const Vector& v, double factor) {
    return {v[0] * factor, v[1] * factor, v[2] * factor};
}

// M x R x S: M the model-view matrix, R the turn of 90 degrees about X (the shape's (x, y, z)
// lands on (x, -z, y)), S the scale `across` along the shape's x and y, `along` its z.
PlacedFrame placedFrame(const std::array<float, 16>& m, double across, double along) {
    const Vector mx = column(m, 0);
    const Vector my = column(m, 1);
    const Vector mz = column(m, 2);
    const double sign = across < 0.0 ? -1.0 : 1.0;
    return {scaled(mx, across), scaled(mz, across), scaled(my, -along), column(m, 3),
            scaled(mx, sign),   scaled(mz, sign),   scaled(my, -sign)};
}

// The shape's vertices placed by the frame, at the end of the arrays; their indices are the
// shape's after the vertices before them.
std::uint32_t appendVertices(VertexArrays& arrays, const QuadricShape& shape,
                             const PlacedFrame& f) {
    std::vector<float>& vertices = arrays.vertices();
    const auto first = static_cast<std::uint32_t>(arrays.vertexCount());
    const std::size_t start = vertices.size();
    vertices.resize(start + shape.vertices.size() * 6);
    float* out = vertices.data() + start;
    for (const QuadricVertex& vertex : shape.vertices) {
        const auto& p = vertex.position;
        const auto& n = vertex.normal;
        for (std::size_t k = 0; k < 3; ++k) {
            *out++ =
                static_cast<float>(f.normalX[k] * n[0] + f.normalY[k] * n[1] + f.normalZ[k] * n[2]);
        }
        for (std::size_t k = 0; k < 3; ++k) {
            *out++ =
                static_cast<float>(f.x[k] * p[0] + f.y[k] * p[1] + f.z[k] * p[2] + f.origin[k]);
        }
    }
    return first;
}

// How near the rim of its segment a triangle of a unit cap must come to be kept.
constexpr float HiddenFromRim = 0.1f;

// The half of a cap that stands out of its segment. The sphere's +Z half lies inside the
// cylinder, which runs along +Z from the sphere's centre with the same radius, and its wall
// hides it; the triangles that keep a tenth of the radius from the rim are left out, with the
// vertices only they use.
QuadricShape outerHalf(const QuadricShape& sphere) {
    QuadricShape half;
    std::vector<std::uint32_t> kept(sphere.vertices.size(),
                                    std::numeric_limits<std::uint32_t>::max());
    for (std::size_t t = 0; t + 2 < sphere.indices.size(); t += 3) {
        float nearestRim = std::numeric_limits<float>::max();
        for (std::size_t k = 0; k < 3; ++k) {
            nearestRim = std::min(nearestRim, sphere.vertices[sphere.indices[t + k]].position[2]);
        }
        if (nearestRim > HiddenFromRim) {
            continue;
        }
        for (std::size_t k = 0; k < 3; ++k) {
            const std::uint32_t index = sphere.indices[t + k];
            if (kept[index] == std::numeric_limits<std::uint32_t>::max()) {
                kept[index] = static_cast<std::uint32_t>(half.vertices.size());
                half.vertices.push_back(sphere.vertices[index]);
            }
            half.indices.push_back(kept[index]);
        }
    }
    return half;
}

// The same shape with each vertex once: GLU sends a ring of a sphere once for each band it
// bounds and the seam of a strip twice, with the same values each time. The pipeline lights a
// vertex once however many triangles share it.
QuadricShape sharedVertices(const QuadricShape& shape) {
    QuadricShape shared;
    std::map<std::array<float, 6>, std::uint32_t> indexOf;
    for (const std::uint32_t index : shape.indices) {
        const QuadricVertex& vertex = shape.vertices[index];
        const std::array<float, 6> key{vertex.position[0], vertex.position[1], vertex.position[2],
                                       vertex.normal[0],   vertex.normal[1],   vertex.normal[2]};
        const auto [found, added] =
            indexOf.emplace(key, static_cast<std::uint32_t>(shared.vertices.size()));
        if (added) {
            shared.vertices.push_back(vertex);
        }
        shared.indices.push_back(found->second);
    }
    return shared;
}

} // namespace

void SegmentBuffer::add(const std::array<float, 16>& modelView, double length, double radius,
                        RgbColor color) {
    segments_.push_back({modelView, length, radius, color});
}

void SegmentBuffer::draw() {
    ViewSetting setting;
    glGetFloatv(GL_PROJECTION_MATRIX, setting.projection.data());
    glGetIntegerv(GL_VIEWPORT, setting.viewport.data());
    setting.cullsBackFaces = cullsBackFaces();
    if (!builtSetting_ || *builtSetting_ != setting || builtSegments_ != segments_) {
        build(setting);
        builtSegments_ = segments_;
        builtSetting_ = setting;
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
    builtSetting_.reset();
}

std::size_t SegmentBuffer::triangleCount() const {
    std::size_t indices = 0;
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        indices += runs_[k].arrays.indices().size();
    }
    return indices / 3;
}

// A run of the segments for each colour, in the order the colours come.
void SegmentBuffer::build(const ViewSetting& setting) {
    ++builds_;
    const ScreenScale screen(setting.projection, setting.viewport[2], setting.viewport[3]);
    screen_.emplace(setting.projection, setting.viewport, setting.cullsBackFaces);
    usedRuns_ = 0;
    for (const Segment& segment : segments_) {
        const auto used = runs_.begin() + static_cast<std::ptrdiff_t>(usedRuns_);
        if (std::find_if(runs_.begin(), used,
                         [&](const ColorRun& run) { return run.color == segment.color; }) == used) {
            if (usedRuns_ == runs_.size()) {
                runs_.emplace_back();
            }
            runs_[usedRuns_].color = segment.color;
            ++usedRuns_;
        }
    }
    for (std::size_t k = 0; k < usedRuns_; ++k) {
        ColorRun& run = runs_[k];
        run.arrays.vertices().clear();
        run.arrays.indices().clear();
        for (const Segment& segment : segments_) {
            if (segment.color == run.color) {
                appendSegment(segment, screen, run.arrays);
            }
        }
        run.arrays.upload();
    }
}

// A segment of no radius covers no pixel. Only a segment at least as long as its radius hides
// the inner half of its cap.
void SegmentBuffer::appendSegment(const Segment& segment, const ScreenScale& screen,
                                  VertexArrays& arrays) {
    if (segment.radius == 0.0) {
        return;
    }
    const Vector upper = column(segment.modelView, 3);
    const Vector down = column(segment.modelView, 1);
    const Vector lower{upper[0] - down[0] * segment.length, upper[1] - down[1] * segment.length,
                       upper[2] - down[2] * segment.length};
    // The model-view matrix scales every axis alike: the radius in eye space.
    const Vector across = column(segment.modelView, 0);
    const double eyeRadius =
        std::fabs(segment.radius) *
        std::sqrt(across[0] * across[0] + across[1] * across[1] + across[2] * across[2]);
    const SegmentDetail detail = segmentDetail(segmentPixels(screen, eyeRadius, upper, lower),
                                               segmentPixels(screen, eyeRadius, upper, upper));
    const bool hidesInnerHalf = std::fabs(segment.length) >= std::fabs(segment.radius);
    const QuadricShape& side = cylinder(detail.cylinderSlices);
    const std::uint32_t sideStart = appendVertices(
        arrays, side, placedFrame(segment.modelView, segment.radius, segment.length));
    appendTriangles(side, sideStart, arrays);
    const QuadricShape& top = cap(detail.capSlices, detail.capStacks, hidesInnerHalf);
    const std::uint32_t topStart =
        appendVertices(arrays, top, placedFrame(segment.modelView, segment.radius, segment.radius));
    appendTriangles(top, topStart, arrays);
}

// The triangles the pipeline would draw no pixel of, turned away or clear of every pixel
// centre, are left out already: most triangles of a shape a few pixels across are.
void SegmentBuffer::appendTriangles(const QuadricShape& shape, std::uint32_t first,
                                    VertexArrays& arrays) {
    std::vector<std::uint32_t>& indices = arrays.indices();
    clips_.clear();
    const float* placed = arrays.vertices().data() + std::size_t{first} * 6;
    for (std::size_t k = 0; k < shape.vertices.size(); ++k) {
        clips_.push_back(screen_->clip(placed + 6 * k + 3));
    }
    for (std::size_t t = 0; t + 2 < shape.indices.size(); t += 3) {
        const std::uint32_t a = shape.indices[t];
        const std::uint32_t b = shape.indices[t + 1];
        const std::uint32_t c = shape.indices[t + 2];
        if (screen_->shows(clips_[a], clips_[b], clips_[c])) {
            indices.insert(indices.end(), {first + a, first + b, first + c});
        }
    }
}

const QuadricShape& SegmentBuffer::cylinder(int slices) {
    auto found = cylinders_.find(slices);
    if (found == cylinders_.end()) {
        found =
            cylinders_
                .emplace(slices, sharedVertices(quadricCylinder(1.0, 1.0, slices, CylinderStacks)))
                .first;
    }
    return found->second;
}

const QuadricShape& SegmentBuffer::cap(int slices, int stacks, bool outer) {
    const std::tuple<int, int, bool> key{slices, stacks, outer};
    auto found = caps_.find(key);
    if (found == caps_.end()) {
        QuadricShape sphere = quadricSphere(1.0, slices, stacks);
        found = caps_.emplace(key, sharedVertices(outer ? outerHalf(sphere) : sphere)).first;
    }
    return found->second;
}

} // namespace burgeon
