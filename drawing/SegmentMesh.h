#pragma once

#include "base/UserInterface.h"
#include "drawing/QuadricShapes.h"
#include "drawing/ScreenTriangles.h"

#include <array>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

namespace burgeon {

// A capped segment as the walk draws it, at a model-view matrix (column-major): its cylinder
// from the origin down -Y by length, its cap a sphere at the origin, both of the radius.
struct CappedSegment {
    std::array<float, 16> modelView{};
    double length = 0.0;
    double radius = 0.0;
    RgbColor color;

    bool operator==(const CappedSegment&) const = default;
};

// What the pipeline makes of eye space: the projection (column-major), the viewport (x, y,
// width, height) and whether it culls back faces.
struct ScreenView {
    std::array<float, 16> projection{};
    std::array<int, 4> viewport{};
    bool cullsBackFaces = false;

    bool operator==(const ScreenView&) const = default;
};

// The triangles of the segments of one colour in eye space: normal and position per vertex.
struct ColorMesh {
    RgbColor color;
    std::vector<float> vertices;
    std::vector<std::uint32_t> indices;
};

// Makes the triangles of a walk's capped segments for one view: each cylinder and cap as
// finely as its size on screen asks (segmentDetail), leaving out the triangles the pipeline
// would draw no pixel of. A large plant is placed by two threads, each taking the segments of
// about half its work; each colour's triangles come in the order of the walk either way.
class SegmentMesher {
public:
    // From this many segments on, two threads share the work.
    static constexpr std::size_t SegmentsForTwoThreads = 512;

    explicit SegmentMesher(std::size_t segmentsForTwoThreads = SegmentsForTwoThreads)
        : segmentsForTwoThreads_(segmentsForTwoThreads) {}

    // One mesh per colour, in the order the colours first come; the meshes' storage is
    // reused.
    void build(const std::vector<CappedSegment>& segments, const ScreenView& view,
               std::vector<ColorMesh>& meshes);

private:
    // A segment with the shapes it is drawn with and the mesh it goes into.
    struct Planned {
        const CappedSegment* segment = nullptr;
        const QuadricShape* side = nullptr;
        const QuadricShape* cap = nullptr;
        std::size_t mesh = 0;
    };

    void plan(const std::vector<CappedSegment>& segments, const ScreenView& view,
              std::vector<ColorMesh>& meshes);
    void rebalance(double firstSeconds, double secondSeconds, double firstShare);
    const QuadricShape& cylinder(int slices);
    const QuadricShape& cap(int slices, int stacks, bool outerHalf);

    // The least share of the triangles either thread takes.
    static constexpr double MinimumFirstShare = 0.25;

    std::size_t segmentsForTwoThreads_;
    double firstShare_ = 0.5;
    std::vector<Planned> planned_;
    std::vector<ColorMesh> secondHalf_;
    // Unit shapes (radius 1, cylinder height 1) by slices; caps by slices, stacks and half.
    std::map<int, QuadricShape> cylinders_;
    std::map<std::tuple<int, int, bool>, QuadricShape> caps_;
};

} // namespace burgeon
