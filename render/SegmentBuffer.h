#pragma once

#include "base/UserInterface.h"
#include "drawing/OrganDetail.h"
#include "drawing/ScreenTriangles.h"
#include "render/VertexArrays.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace burgeon {

// The capped segments of one walk of the plant, drawn together from one vertex array at the
// end of the walk instead of one by one: each segment's cylinder and cap as finely as its
// size on screen asks (segmentDetail), in eye space. The array is built again only when a
// segment, the projection or the viewport differs from those it was built for, so a plant
// that stands still is drawn again from the same array.
class SegmentBuffer {
public:
    // Starts a walk: forgets the segments of the last one (the array stays until the next
    // draw).
    void clear() { segments_.clear(); }
    // A segment drawn at a model-view matrix (column-major): its cylinder from the origin
    // down -Y by length, its cap a sphere at the origin, both of the radius.
    void add(const std::array<float, 16>& modelView, double length, double radius, RgbColor color);
    // Draws the walk's segments with the current projection and viewport, each colour as the
    // front material; leaves the model-view matrix as it was.
    void draw();
    // Deletes the array's buffer objects; needs the context they were made in.
    void release();

    // What the last draw drew, and how many times an array was built so far.
    std::size_t triangleCount() const;
    int builds() const { return builds_; }

private:
    struct Segment {
        std::array<float, 16> modelView{};
        double length = 0.0;
        double radius = 0.0;
        RgbColor color;

        bool operator==(const Segment&) const = default;
    };
    struct ViewSetting {
        std::array<float, 16> projection{};
        std::array<int, 4> viewport{};
        bool cullsBackFaces = false;

        bool operator==(const ViewSetting&) const = default;
    };
    // The segments of one colour.
    struct ColorRun {
        RgbColor color;
        VertexArrays arrays{VertexArrays::Layout::NormalPosition};
    };

    void build(const ViewSetting& setting);
    void appendSegment(const Segment& segment, const ScreenScale& screen, VertexArrays& arrays);
    // The shape's triangles over its vertices placed from index `first` on.
    void appendTriangles(const QuadricShape& shape, std::uint32_t first, VertexArrays& arrays);
    const QuadricShape& cylinder(int slices);
    const QuadricShape& cap(int slices, int stacks, bool outerHalf);

    std::vector<Segment> segments_;
    std::vector<Segment> builtSegments_;
    std::optional<ViewSetting> builtSetting_;
    std::vector<ColorRun> runs_; // kept with their buffers; the first usedRuns_ hold the walk's
    std::size_t usedRuns_ = 0;
    // While building: where the triangles land on the screen, and the clip coordinates of
    // the shape being placed.
    std::optional<ScreenTriangles> screen_;
    std::vector<ScreenTriangles::Clip> clips_;
    // Unit shapes (radius 1, cylinder height 1) by slices; caps by slices, stacks and half.
    std::map<int, QuadricShape> cylinders_;
    std::map<std::tuple<int, int, bool>, QuadricShape> caps_;
    int builds_ = 0;
};

} // namespace burgeon
