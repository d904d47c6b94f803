#include "drawing/SurfaceRoutines.h"

#include "components/MaterialSet.h"

#include <algorithm>
#include <cstddef>

namespace burgeon {

namespace {

// The point mapping of a surface: each axis scaled by its size factor and the organ's factor,
// divided by the shape divisor; the y axis is mirrored.
struct PointMapping {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

PointMapping mappingFor(float sizeX, float sizeY, float sizeZ, float divisor, double depth,
                        double length, double width) {
    const double d = divisor;
    return {sizeX * width / d, -(sizeY * length / d), sizeZ * depth / d};
}

Vector3 negated(const Vector3& v) {
    return {-v.x, -v.y, -v.z};
}

int usedTriangles(const OrganSurface& surface) {
    return std::clamp(surface.triangleCount, 0, MaxShapeTriangles);
}

// Point numbers beyond the table are drawn as point 0 (the origin) rather than read past it.
std::size_t pointIndex(std::uint8_t number) {
    return number <= MaxShapePoints ? number : 0;
}

// One side of the surface: the triangles with the corners in the given order.
void drawSide(SurfaceSink& sink, const OrganSurface& surface, const PointMapping& mapping,
              bool upperSide, bool textured) {
    sink.beginTriangles();
    const int triangles = usedTriangles(surface);
    for (int k = 1; k <= triangles; ++k) {
        const auto& triangle = surface.triangles[static_cast<std::size_t>(k)];
        const std::size_t corners[3] = {
            pointIndex(triangle[0]),
            pointIndex(upperSide ? triangle[2] : triangle[1]),
            pointIndex(upperSide ? triangle[1] : triangle[2]),
        };
        for (const std::size_t point : corners) {
            const PointF& p = surface.points[point];
            const Vector3 normal =
                negated(upperSide ? surface.normalsFront[point] : surface.normalsBack[point]);
            sink.vertex(normal, textured ? surface.texCoords[point].data() : nullptr,
                        mapping.x * p.x, mapping.y * p.y, mapping.z * p.z);
        }
    }
    sink.endTriangles();
}

} // namespace

void drawLeafSurface(SurfaceSink& sink, const OrganSurface& leaf, const OrganPlacement& placement,
                     const MaterialSet& materials, bool textured, double depth, double length,
                     double width, const WindTurn& wind) {
    sink.setPolygonSmoothing(true);
    sink.pushMatrix();
    sink.setFrontMaterial(materials.frontLeafColor, 1.0f);
    if (textured) {
        sink.setLeafTexturing(true);
    }
    sink.setSurfaceSpecular();
    sink.rotate(static_cast<float>(wind.x) + placement.leafAngleX, 1.0f, 0.0f, 0.0f);
    sink.rotate(static_cast<float>(wind.y) + placement.leafAngleY, 0.0f, 1.0f, 0.0f);
    sink.rotate(static_cast<float>(wind.z) + placement.leafAngleZ, 0.0f, 0.0f, 1.0f);
    const PointMapping mapping =
        mappingFor(placement.leafSizeX, placement.leafSizeY, placement.leafSizeZ, leaf.shapeDivisor,
                   depth, length, width);
    drawSide(sink, leaf, mapping, true, textured);
    sink.setFrontMaterial(materials.backLeafColor, 1.0f);
    sink.setSurfaceSpecular();
    drawSide(sink, leaf, mapping, false, false);
    sink.popMatrix();
    sink.flush();
    if (textured) {
        sink.setLeafTexturing(false);
    }
    sink.setPolygonSmoothing(false);
}

void drawFlowerSurface(SurfaceSink& sink, const OrganSurface& flower,
                       const OrganPlacement& placement, const MaterialSet& materials, double depth,
                       double length, double width) {
    sink.setPolygonSmoothing(true);
    sink.pushMatrix();
    sink.setFrontMaterial(materials.frontFlowerColor, 0.5f);
    sink.setSurfaceSpecular();
    const int petals = std::max(placement.petalCount, 0);
    const float petalStep = petals > 0 ? 360.0f / static_cast<float>(petals) : 0.0f;
    sink.rotate(placement.flowerAngleX, 1.0f, 0.0f, 0.0f);
    sink.rotate(placement.flowerAngleY, 0.0f, 1.0f, 0.0f);
    sink.rotate(placement.flowerAngleZ, 0.0f, 0.0f, 1.0f);
    const PointMapping mapping =
        mappingFor(placement.flowerSizeX, placement.flowerSizeY, placement.flowerSizeZ,
                   flower.shapeDivisor, depth, length, width);
    for (int petal = 0; petal < petals; ++petal) {
        drawSide(sink, flower, mapping, true, false);
        sink.rotate(petalStep, 0.0f, 1.0f, 0.0f);
    }
    for (int petal = 0; petal < petals; ++petal) {
        sink.setFrontMaterial(materials.backFlowerColor, 0.5f);
        drawSide(sink, flower, mapping, false, false);
        sink.rotate(petalStep, 0.0f, 1.0f, 0.0f);
    }
    sink.popMatrix();
    sink.flush();
    sink.setPolygonSmoothing(false);
}

} // namespace burgeon
