#pragma once

#include "drawing/DrawingTarget.h"
#include "drawing/SurfaceRoutines.h"
#include "project/ViewState.h"
#include "render/SegmentBuffer.h"
#include "render/SurfaceBuffer.h"

#include <array>
#include <vector>

namespace burgeon {

class UnitGeometry;
struct MaterialSet;

// How cylinders and their caps are made at full detail: scaled display lists of the unit
// shapes (the default), or two quadric objects created and deleted per organ (kept for
// comparison; the picture is the same).
enum class CylinderGeometry { CachedLists, QuadricPerOrgan };

// What the shape routines read: colour slots, the leaf and flower surfaces with their
// placement, the texture switch and the textures of the land and leaf passes.
struct ShapeInputs {
    const MaterialSet* materials = nullptr;
    const OrganSurface* leaf = nullptr;
    const OrganSurface* flower = nullptr;
    const OrganPlacement* placement = nullptr;
    bool texturesEnabled = true;
    unsigned landTexture = 0;
    unsigned leafTexture = 0;
};

// The drawing interface on the current OpenGL context. The model-view stack of the pipeline
// is only 32 deep; deeper pushes (plants of many levels) keep the matrix here instead, so
// every level draws in its right place.
class GlDrawingTarget : public DrawingTarget, private SurfaceSink {
public:
    explicit GlDrawingTarget(const UnitGeometry& geometry);

    void setInputs(const ShapeInputs& inputs) { inputs_ = inputs; }
    void setCylinderGeometry(CylinderGeometry geometry) { cylinderGeometry_ = geometry; }
    // Full detail (the default) draws each organ when the walk reaches it; automatic detail
    // keeps the walk's segments, leaves and flowers and draws them together when it finishes
    // (SegmentBuffer, SurfaceBuffer).
    void setDetail(DrawingDetail detail) { detail_ = detail; }
    // A flush after each land, leaf and flower changes nothing in the picture; on a software
    // rasteriser it makes every organ wait for the whole scene so far. Off by default, on in
    // the literal drawing kept for comparison.
    void setFlushEachShape(bool on) { flushEachShape_ = on; }
    // Takes up the pipeline's present stack depth; call before a walk.
    void synchroniseDepth();
    // Around a walk of the plant: the organs kept at automatic detail are drawn at its end.
    void startWalk();
    void finishWalk();
    // Deletes the buffer objects of automatic detail; needs the context.
    void release();
    const SegmentBuffer& segmentBuffer() const { return segments_; }
    const SurfaceBuffer& surfaceBuffer() const { return surfaces_; }

    void pushMatrix() override;
    void popMatrix() override;
    void translate(float x, float y, float z) override;
    void rotate(float degrees, float x, float y, float z) override;
    void scale(float x, float y, float z) override;
    void drawInternode(double length, double radius) override;
    void drawPetiole(double length, double radius) override;
    void drawLeaf(double depth, double length, double width, const WindTurn& wind) override;
    void drawFlower(double depth, double length, double width) override;
    void drawLand() override;

private:
    void drawCappedCylinder(RgbColor color, double length, double radius);
    // Where the leaf and flower routines draw: the pipeline, or the surface buffer.
    SurfaceSink& surfaceSink();

    void setPolygonSmoothing(bool on) override;
    void setFrontMaterial(RgbColor color, float alpha) override;
    void setSurfaceSpecular() override;
    void setLeafTexturing(bool on) override;
    void beginTriangles() override;
    void vertex(const Vector3& normal, const double* texCoord, double x, double y,
                double z) override;
    void endTriangles() override;
    void flush() override;

    const UnitGeometry& geometry_;
    ShapeInputs inputs_;
    CylinderGeometry cylinderGeometry_ = CylinderGeometry::CachedLists;
    DrawingDetail detail_ = DrawingDetail::Full;
    SegmentBuffer segments_;
    SurfaceBuffer surfaces_{*this};
    bool flushEachShape_ = false;
    int depth_ = 0;
    int pipelineDepthLimit_ = 0;
    std::vector<std::array<float, 16>> overflow_;
};

} // namespace burgeon
