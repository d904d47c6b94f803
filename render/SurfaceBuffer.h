#pragma once

#include "drawing/DrawingTarget.h"
#include "drawing/ScreenTriangles.h"
#include "drawing/SurfaceRoutines.h"
#include "render/VertexArrays.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace burgeon {

// The leaf and flower triangles of one walk, kept instead of drawn: each triangle in eye
// space with the state the surface routines drew it in (front material, texturing, polygon
// smoothing, the texture coordinate then current), all triangles of one state drawn together
// from one vertex array at the end of the walk. Depth decides what shows, so the picture is
// the one the routines draw triangle by triangle; only the pipeline's work per surface goes.
// Matrix operations go to the drawing target the walk draws into.
class SurfaceBuffer : public SurfaceSink {
public:
    explicit SurfaceBuffer(DrawingTarget& matrices) : matrices_(matrices) {}

    // Starts a walk with the pipeline's present texture coordinate and normal.
    void clear();
    // Draws the walk's triangles, texturing with the leaf texture where the routines turned
    // texturing on; leaves texturing and smoothing off and the current texture coordinate
    // and normal as the routines left them.
    void draw(unsigned leafTexture);

    // Deletes the arrays' buffer objects; needs the context they were made in.
    void release();

    std::size_t triangleCount() const;

    void setPolygonSmoothing(bool on) override { state_.smooth = on; }
    void pushMatrix() override { matrices_.pushMatrix(); }
    void popMatrix() override { matrices_.popMatrix(); }
    void rotate(float degrees, float x, float y, float z) override {
        matrices_.rotate(degrees, x, y, z);
    }
    void setFrontMaterial(RgbColor color, float alpha) override;
    // The surface specular is set once with the render state and never changes.
    void setSurfaceSpecular() override {}
    void setLeafTexturing(bool on) override { state_.textured = on; }
    void beginTriangles() override;
    void vertex(const Vector3& normal, const double* texCoord, double x, double y,
                double z) override;
    void endTriangles() override {}
    void flush() override {}
    // The side's points placed once each, in the order its triangles first use them.
    void drawSide(const SurfaceSide& side) override;

private:
    struct State {
        RgbColor color;
        float alpha = 1.0f;
        bool textured = false;
        bool smooth = false;

        bool operator==(const State&) const = default;
    };
    // Texture coordinate, normal and position.
    static constexpr std::size_t FloatsPerVertex = 8;
    struct Run {
        State state;
        VertexArrays arrays{VertexArrays::Layout::TexCoordNormalPosition};
    };
    using Vertex = std::array<float, FloatsPerVertex>;
    std::uint32_t appendPlaced(const Vertex& given);
    // Keeps the triangle just given unless the pipeline would draw no pixel of it.
    void keepIfShown();

    DrawingTarget& matrices_;
    std::vector<Run> runs_;
    std::size_t usedRuns_ = 0;
    Run* run_ = nullptr;
    State state_;
    // The model-view matrix of the triangles being given, and the normals' matrix (its
    // cofactors, so normals turn as the pipeline turns them).
    std::array<double, 16> modelView_{};
    std::array<double, 9> normalMatrix_{};
    std::array<float, 2> texCoord_{};
    std::array<float, 3> normal_{};
    // Where the triangles land on the screen.
    std::optional<ScreenTriangles> screen_;
    // Where each point of the side being drawn went in the run once placed, and where it
    // lands on the screen.
    std::vector<std::uint32_t> placedPoints_;
    std::array<ScreenTriangles::Clip, MaxShapePoints + 1> pointClips_{};
};

} // namespace burgeon
