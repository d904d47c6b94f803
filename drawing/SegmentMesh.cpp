#include "drawing/SegmentMesh.h"

#include "drawing/OrganDetail.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <thread>

namespace burgeon {

namespace {

using Vector = std::array<double, 3>;

constexpr std::size_t FloatsPerVertex = 6;

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

double dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
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

// How far past edge-on (the cosine between a vertex's normal and the way to the eye) every
// corner of a triangle must face away for the triangle to be left out unplaced.
constexpr double FacingAwayCosine = -0.1;

// The way from a shape's origin to the eye in the unit shape's own axes, as a unit vector,
// when the normals tell which triangles face away: the pipeline culls back faces, the frame
// keeps the turn of the shape's axes (no mirror, so the faces keep their winding) and the
// normals point out of the shape (a positive radius).
std::optional<Vector> towardEyeInShape(const PlacedFrame& frame, bool cullsBackFaces,
                                       double radius) {
    const Vector& o = frame.origin;
    const double distance = std::sqrt(dot(o, o));
    const double scale = std::sqrt(dot(frame.normalX, frame.normalX));
    const double turn = dot(frame.x, cross(frame.y, frame.z));
    if (!cullsBackFaces || !(radius > 0.0) || !(turn > 0.0) || !(distance > 0.0) ||
        !(scale > 0.0)) {
        return std::nullopt;
    }
    const auto along = [&](const Vector& axis) { return -dot(axis, o) / (scale * distance); };
    return Vector{along(frame.normalX), along(frame.normalY), along(frame.normalZ)};
}

// Places shapes into meshes for one view; each thread has its own.
class ShapePlacer {
public:
    explicit ShapePlacer(const ScreenView& view)
        : screen_(view.projection, view.viewport, view.cullsBackFaces),
          cullsBackFaces_(view.cullsBackFaces) {}

    // The triangles of the shape placed by the frame that the pipeline would draw a pixel of,
    // with the vertices they use, at the end of the mesh. A triangle whose every corner faces
    // away from the eye is a back face on any shape made of these (the face's normal lies
    // among its corners' and its plane passes outside the shape's axis or centre) and is not
    // placed at all: on a cap, that is half of the work.
    void place(const QuadricShape& shape, const PlacedFrame& frame, double radius,
               ColorMesh& mesh) {
        const std::size_t count = shape.vertices.size();
        markFacingAway(shape, towardEyeInShape(frame, cullsBackFaces_, radius));
        needed_.assign(count, 0);
        candidates_.clear();
        for (std::size_t t = 0; t + 2 < shape.indices.size(); t += 3) {
            const std::uint32_t a = shape.indices[t];
            const std::uint32_t b = shape.indices[t + 1];
            const std::uint32_t c = shape.indices[t + 2];
            if (facingAway_[a] != 0 && facingAway_[b] != 0 && facingAway_[c] != 0) {
                continue;
            }
            needed_[a] = needed_[b] = needed_[c] = 1;
            candidates_.push_back(t);
        }
        // Where the corners land comes straight from the unit shape; a vertex is placed in
        // eye space only when a triangle kept sends it.
        const ScreenTriangles::ClipRows toClip = shapeToClip(frame);
        clips_.resize(count);
        for (std::size_t k = 0; k < count; ++k) {
            if (needed_[k] != 0) {
                clips_[k] = screen_.clipThrough(toClip, shape.vertices[k].position.data());
            }
        }
        // Only the vertices of triangles kept are sent: the pipeline would light the others
        // for nothing.
        sentAs_.assign(count, Unsent);
        for (const std::size_t t : candidates_) {
            const std::uint32_t a = shape.indices[t];
            const std::uint32_t b = shape.indices[t + 1];
            const std::uint32_t c = shape.indices[t + 2];
            if (screen_.shows(clips_[a], clips_[b], clips_[c])) {
                mesh.indices.insert(mesh.indices.end(),
                                    {sent(shape, frame, a, mesh), sent(shape, frame, b, mesh),
                                     sent(shape, frame, c, mesh)});
            }
        }
    }

private:
    static constexpr std::uint32_t Unsent = std::numeric_limits<std::uint32_t>::max();

    void markFacingAway(const QuadricShape& shape, const std::optional<Vector>& towardEye) {
        facingAway_.assign(shape.vertices.size(), 0);
        if (!towardEye) {
            return;
        }
        const Vector& eye = *towardEye;
        for (std::size_t k = 0; k < shape.vertices.size(); ++k) {
            const auto& n = shape.vertices[k].normal;
            facingAway_[k] = n[0] * eye[0] + n[1] * eye[1] + n[2] * eye[2] < FacingAwayCosine;
        }
    }

    static void placeVertex(const QuadricVertex& vertex, const PlacedFrame& f, float* out) {
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

    // Rows x, y and w of the projection times the frame: from the unit shape's points to
    // clip coordinates in one step.
    ScreenTriangles::ClipRows shapeToClip(const PlacedFrame& frame) const {
        const ScreenTriangles::ClipRows& rows = screen_.projectionRows();
        ScreenTriangles::ClipRows result{};
        const std::array<const Vector*, 3> axes = {&frame.x, &frame.y, &frame.z};
        for (std::size_t r = 0; r < 3; ++r) {
            const Vector row{rows[4 * r], rows[4 * r + 1], rows[4 * r + 2]};
            for (std::size_t axis = 0; axis < 3; ++axis) {
                result[4 * r + axis] = dot(row, *axes[axis]);
            }
            result[4 * r + 3] = dot(row, frame.origin) + rows[4 * r + 3];
        }
        return result;
    }

    // The corner's index in the mesh, placing and sending its vertex on first use.
    std::uint32_t sent(const QuadricShape& shape, const PlacedFrame& frame, std::uint32_t corner,
                       ColorMesh& mesh) {
        std::uint32_t& index = sentAs_[corner];
        if (index == Unsent) {
            index = static_cast<std::uint32_t>(mesh.vertices.size() / FloatsPerVertex);
            mesh.vertices.resize(mesh.vertices.size() + FloatsPerVertex);
            placeVertex(shape.vertices[corner], frame,
                        mesh.vertices.data() + mesh.vertices.size() - FloatsPerVertex);
        }
        return index;
    }

    ScreenTriangles screen_;
    bool cullsBackFaces_;
    std::vector<std::uint8_t> facingAway_;
    std::vector<std::uint8_t> needed_;
    std::vector<std::size_t> candidates_;
    std::vector<ScreenTriangles::Clip> clips_;
    std::vector<std::uint32_t> sentAs_;
};

} // namespace

void SegmentMesher::build(const std::vector<CappedSegment>& segments, const ScreenView& view,
                          std::vector<ColorMesh>& meshes) {
    plan(segments, view, meshes);
    const auto placeRange = [this, &view](std::size_t begin, std::size_t end,
                                          std::vector<ColorMesh>& into) {
        ShapePlacer placer(view);
        for (std::size_t k = begin; k < end; ++k) {
            const Planned& planned = planned_[k];
            const CappedSegment& segment = *planned.segment;
            ColorMesh& mesh = into[planned.mesh];
            placer.place(*planned.side,
                         placedFrame(segment.modelView, segment.radius, segment.length),
                         segment.radius, mesh);
            placer.place(*planned.cap,
                         placedFrame(segment.modelView, segment.radius, segment.radius),
                         segment.radius, mesh);
        }
    };
    // Below a few hundred segments a second thread costs more than it saves.
    if (planned_.size() < segmentsForTwoThreads_) {
        placeRange(0, planned_.size(), meshes);
        return;
    }
    secondHalf_.resize(meshes.size());
    for (ColorMesh& mesh : secondHalf_) {
        mesh.vertices.clear();
        mesh.indices.clear();
    }
    // Halves that take about the same time. The first thread's share of the triangles to place
    // and test follows how long each half took last time, as one frame's plant is much like
    // the last one's. Where the halves meet changes no triangle and no order.
    std::size_t total = 0;
    for (const Planned& planned : planned_) {
        total += planned.side->indices.size() + planned.cap->indices.size();
    }
    const double firstTarget = firstShare_ * static_cast<double>(total);
    std::size_t middle = 0;
    std::size_t first = 0;
    for (; middle < planned_.size() && static_cast<double>(first) < firstTarget; ++middle) {
        first += planned_[middle].side->indices.size() + planned_[middle].cap->indices.size();
    }
    using Clock = std::chrono::steady_clock;
    Clock::duration firstTook{};
    Clock::duration secondTook{};
    std::exception_ptr secondFailed;
    {
        const std::jthread second([&] {
            try {
                const Clock::time_point start = Clock::now();
                placeRange(middle, planned_.size(), secondHalf_);
                secondTook = Clock::now() - start;
            } catch (...) {
                secondFailed = std::current_exception();
            }
        });
        const Clock::time_point start = Clock::now();
        placeRange(0, middle, meshes);
        firstTook = Clock::now() - start;
    }
    if (secondFailed) {
        std::rethrow_exception(secondFailed);
    }
    rebalance(std::chrono::duration<double>(firstTook).count(),
              std::chrono::duration<double>(secondTook).count(),
              static_cast<double>(first) / static_cast<double>(total));
    // The second half's triangles after the first's, their indices past its vertices.
    for (std::size_t k = 0; k < meshes.size(); ++k) {
        ColorMesh& mesh = meshes[k];
        const ColorMesh& half = secondHalf_[k];
        const auto offset = static_cast<std::uint32_t>(mesh.vertices.size() / FloatsPerVertex);
        mesh.vertices.insert(mesh.vertices.end(), half.vertices.begin(), half.vertices.end());
        mesh.indices.reserve(mesh.indices.size() + half.indices.size());
        for (const std::uint32_t index : half.indices) {
            mesh.indices.push_back(offset + index);
        }
    }
}

// The first thread's share that would have made both halves take as long, from the share it
// had and how long each half took, half-way from the share it aimed at: one slow frame should
// not swing the split.
void SegmentMesher::rebalance(double firstSeconds, double secondSeconds, double firstShare) {
    if (!(firstSeconds > 0.0) || !(secondSeconds > 0.0) || !(firstShare > 0.0) ||
        !(firstShare < 1.0)) {
        return;
    }
    const double firstPerShare = firstSeconds / firstShare;
    const double secondPerShare = secondSeconds / (1.0 - firstShare);
    const double even = secondPerShare / (firstPerShare + secondPerShare);
    firstShare_ =
        std::clamp((firstShare_ + even) / 2.0, MinimumFirstShare, 1.0 - MinimumFirstShare);
}

// Each segment's detail from its size on screen, and its colour's mesh. A segment of no
// radius covers no pixel; only a segment at least as long as its radius hides the inner half
// of its cap. The shapes are made here, before any thread reads them.
void SegmentMesher::plan(const std::vector<CappedSegment>& segments, const ScreenView& view,
                         std::vector<ColorMesh>& meshes) {
    const ScreenScale screen(view.projection, view.viewport[2], view.viewport[3]);
    std::size_t used = 0;
    planned_.clear();
    for (const CappedSegment& segment : segments) {
        if (segment.radius == 0.0) {
            continue;
        }
        const auto end = meshes.begin() + static_cast<std::ptrdiff_t>(used);
        auto mesh = std::find_if(meshes.begin(), end, [&](const ColorMesh& candidate) {
            return candidate.color == segment.color;
        });
        if (mesh == end) {
            if (used == meshes.size()) {
                meshes.emplace_back();
            }
            mesh = meshes.begin() + static_cast<std::ptrdiff_t>(used++);
            mesh->color = segment.color;
            mesh->vertices.clear();
            mesh->indices.clear();
        }
        const Vector upper = column(segment.modelView, 3);
        const Vector down = column(segment.modelView, 1);
        const Vector lower{upper[0] - down[0] * segment.length, upper[1] - down[1] * segment.length,
                           upper[2] - down[2] * segment.length};
        // The model-view matrix scales every axis alike: the radius in eye space.
        const Vector across = column(segment.modelView, 0);
        const double eyeRadius = std::fabs(segment.radius) * std::sqrt(dot(across, across));
        const SegmentDetail detail = segmentDetail(segmentPixels(screen, eyeRadius, upper, lower),
                                                   segmentPixels(screen, eyeRadius, upper, upper));
        const bool hidesInnerHalf = std::fabs(segment.length) >= std::fabs(segment.radius);
        planned_.push_back({&segment, &cylinder(detail.cylinderSlices),
                            &cap(detail.capSlices, detail.capStacks, hidesInnerHalf),
                            static_cast<std::size_t>(mesh - meshes.begin())});
    }
    meshes.resize(used);
}

const QuadricShape& SegmentMesher::cylinder(int slices) {
    auto found = cylinders_.find(slices);
    if (found == cylinders_.end()) {
        found =
            cylinders_
                .emplace(slices, sharedVertices(quadricCylinder(1.0, 1.0, slices, CylinderStacks)))
                .first;
    }
    return found->second;
}

const QuadricShape& SegmentMesher::cap(int slices, int stacks, bool outer) {
    const std::tuple<int, int, bool> key{slices, stacks, outer};
    auto found = caps_.find(key);
    if (found == caps_.end()) {
        QuadricShape sphere = quadricSphere(1.0, slices, stacks);
        found = caps_.emplace(key, sharedVertices(outer ? outerHalf(sphere) : sphere)).first;
    }
    return found->second;
}

} // namespace burgeon
