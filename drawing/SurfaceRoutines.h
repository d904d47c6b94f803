#pragma once

#include "base/Geometry.h"
#include "base/UserInterface.h"
#include "components/OrganSurface.h"
#include "drawing/DrawingTarget.h"

namespace burgeon {

struct MaterialSet;

// One side of a leaf or flower surface as the routines draw it: the shape's triangles, each
// corner a point of the shape with the side's normal, its texture coordinate when the side is
// textured, and its position scaled by the side's mapping. A point shared by triangles has
// the same values in each.
class SurfaceSide {
public:
    SurfaceSide(const OrganSurface& surface, const Vector3& scale, bool upperSide, bool textured)
        : surface_(surface), scale_(scale), upperSide_(upperSide), textured_(textured) {}

    // Triangles 1 to triangleCount(), as far as the shape's table holds them.
    int triangleCount() const;
    // The points at the corners of triangle k, in the order they are drawn: the upper side
    // turns the other way round.
    std::array<std::size_t, 3> corners(int k) const;
    // The point's normal (away from the side), texture coordinate (null when untextured) and
    // position.
    Vector3 normal(std::size_t point) const;
    const double* texCoord(std::size_t point) const {
        return textured_ ? surface_.texCoords[point].data() : nullptr;
    }
    Vector3 position(std::size_t point) const;

private:
    const OrganSurface& surface_;
    Vector3 scale_;
    bool upperSide_ = true;
    bool textured_ = false;
};

// The pipeline operations a leaf or flower surface is made of. The OpenGL target issues
// them; a test can record them.
class SurfaceSink {
public:
    virtual ~SurfaceSink() = default;
    virtual void setPolygonSmoothing(bool on) = 0;
    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void rotate(float degrees, float x, float y, float z) = 0;
    // Front ambient-and-diffuse from a colour slot (components / 255) with the given alpha.
    virtual void setFrontMaterial(RgbColor color, float alpha) = 0;
    // Front specular (0.7, 0.7, 0.7, 1) and shininess 128.
    virtual void setSurfaceSpecular() = 0;
    // Texturing of the leaf pass: on enables 2-D texturing and binds the leaf texture.
    virtual void setLeafTexturing(bool on) = 0;
    virtual void beginTriangles() = 0;
    virtual void vertex(const Vector3& normal, const double* texCoord, double x, double y,
                        double z) = 0;
    virtual void endTriangles() = 0;
    virtual void flush() = 0;
    // A whole side: by default its triangles corner by corner between beginTriangles and
    // endTriangles; a sink may take the side at once and place each point only once.
    virtual void drawSide(const SurfaceSide& side);
};

// The two-sided leaf: upper side in the shape's front colour (textured when asked), lower
// side in its back colour, turned by the leaf angles plus the wind.
void drawLeafSurface(SurfaceSink& sink, const OrganSurface& leaf, const OrganPlacement& placement,
                     const MaterialSet& materials, bool textured, double depth, double length,
                     double width, const WindTurn& wind);

// The flower: petalCount copies of the shape a petal step apart about Y, upper sides first,
// then the lower sides. Never textured, no wind.
void drawFlowerSurface(SurfaceSink& sink, const OrganSurface& flower,
                       const OrganPlacement& placement, const MaterialSet& materials, double depth,
                       double length, double width);

} // namespace burgeon
