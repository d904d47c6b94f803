#pragma once

#include "base/Progress.h"
#include "drawing/DrawingTarget.h"
#include "drawing/RecordingTarget.h"
#include "mesh/MeshLibrary.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace burgeon {

// One organ of a walk as a placed mesh: the node it belongs to as the walk announced it, the
// frame its mesh sits in (the walk's matrix, then the shape's own turn) and how far the mesh
// is scaled along each axis of that frame, which is the organ's growth factor: the mesh has
// the size the walk draws at growth factor 1.
struct PlacedOrgan {
    WalkedNode node;
    RecordedShape shape = RecordedShape::Land;
    int mesh = -1;
    Matrix4 frame = identityMatrix();
    std::array<double, 3> growth{1.0, 1.0, 1.0};
};

// The drawing interface that turns a walk into placed meshes. It keeps the walk's matrices
// in double precision (through a recording of the same walk, which also lists the organs as
// the organ table does) and takes each shape's mesh from the library at the size the same
// organ has in a walk at growth factor 1 (every growth curve at 1).
class MeshTarget : public DrawingTarget {
public:
    // factorOne: the organs of that walk. An organ it does not list keeps its drawn size.
    MeshTarget(MeshLibrary& library, const std::vector<RecordedOrgan>& factorOne);

    // Forgets the organs placed so far (before the next walk); the library keeps its meshes.
    void clear();
    const std::vector<PlacedOrgan>& organs() const { return organs_; }
    const RecordingTarget& recording() const { return recording_; }
    // Told the share of the walk's organs placed so far, in percent, now and then during a walk.
    void setProgress(ProgressCallback progress) { progress_ = std::move(progress); }

    void pushMatrix() override { recording_.pushMatrix(); }
    void popMatrix() override { recording_.popMatrix(); }
    void translate(float x, float y, float z) override { recording_.translate(x, y, z); }
    void rotate(float degrees, float x, float y, float z) override {
        recording_.rotate(degrees, x, y, z);
    }
    void scale(float x, float y, float z) override { recording_.scale(x, y, z); }
    void drawInternode(double length, double radius) override;
    void drawPetiole(double length, double radius) override;
    void drawLeaf(double depth, double length, double width, const WindTurn& wind) override;
    void drawFlower(double depth, double length, double width) override;
    void drawLand() override;
    void enterNode(const WalkedNode& node) override { recording_.enterNode(node); }

private:
    const RecordedOrgan& factorOneOf(const RecordedOrgan& organ) const;
    void placeLast();

    MeshLibrary& library_;
    std::vector<RecordedOrgan> factorOne_;
    std::unordered_map<std::int64_t, std::size_t> factorOneIndex_;
    RecordingTarget recording_;
    std::vector<PlacedOrgan> organs_;
    ProgressCallback progress_;
};

} // namespace burgeon
