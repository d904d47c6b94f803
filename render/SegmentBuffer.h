#pragma once

#include "base/UserInterface.h"
#include "drawing/SegmentMesh.h"
#include "render/VertexArrays.h"

#include <array>
#include <optional>
#include <vector>

namespace burgeon {

// The capped segments of one walk of the plant, drawn together from one vertex array per
// colour at the end of the walk instead of one by one (SegmentMesher makes the triangles).
// The arrays are built again only when a segment, the projection or the viewport differs
// from those they were built for, so a plant that stands still is drawn again from the same
// arrays.
class SegmentBuffer {
public:
    // Starts a walk: forgets the segments of the last one (the arrays stay until the next
    // draw).
    void clear() { segments_.clear(); }
    // A segment drawn at a model-view matrix (column-major): its cylinder from the origin
    // down -Y by length, its cap a sphere at the origin, both of the radius.
    void add(const std::array<float, 16>& modelView, double length, double radius, RgbColor color) {
        segments_.push_back({modelView, length, radius, color});
    }
    // Draws the walk's segments with the current projection and viewport, each colour as the
    // front material; leaves the model-view matrix as it was.
    void draw();
    // Deletes the arrays' buffer objects; needs the context they were made in.
    void release();

    // What the last draw drew, and how many times the arrays were built so far.
    std::size_t triangleCount() const;
    int builds() const { return builds_; }

private:
    // The segments of one colour.
    struct ColorRun {
        RgbColor color;
        VertexArrays arrays{VertexArrays::Layout::NormalPosition};
    };

    void build(const ScreenView& view);

    std::vector<CappedSegment> segments_;
    std::vector<CappedSegment> builtSegments_;
    std::optional<ScreenView> builtView_;
    SegmentMesher mesher_;
    // The meshes the mesher fills; their storage goes back and forth with the runs'.
    std::vector<ColorMesh> meshes_;
    std::vector<ColorRun> runs_; // kept with their buffers; the first usedRuns_ hold the walk's
    std::size_t usedRuns_ = 0;
    int builds_ = 0;
};

} // namespace burgeon
