#include "drawing/SurfaceRoutines.h"

#include "components/MaterialSet.h"

#include <algorithm>
#include <cstddef>

namespace burgeon {

namespace {

// The point mapping of a surface: each axis scaled by its size factor and the organ's factor,
// divided by the shape divisor; the y axis is mirrored.
Vector3 mappingFor(float sizeX, float sizeY, float sizeZ, float divisor, double depth,
                   double length, double width) {
    const double d = divisor;
    return {sizeX * width / d, -(sizeY * length / d), sizeZ * depth / d};
}

// Point numbers beyond the table are drawn as point 0 (the origin) rather than read past it.
std::size_t pointIndex(std::uint8_t number) {
    return number <= MaxShapePoints ? number : 0;
}

} // namespace

int SurfaceSide::triangleCount() const {
    return std::clamp(surface_.triangleCount, 0, MaxShapeTriangles);
}

std::array<std::size_t, 3> SurfaceSide::corners(int k) const {
    const auto& triangle = surface_.triangles[static_cast<std::size_t>(k)];
    return {pointIndex(triangle[0]), pointIndex(upperSide_ ? triangle[2] : triangle[1]),
            pointIndex(upperSide_ ? triangle[1] : triangle[2])};
}

Vector3 SurfaceSide::normal(std::size_t point) const {
    const Vector3& n = upperSide_ ? surface_.normalsFront[point] : surface_.normalsBack[point];
    return {-n.x, -n.y, -n.z};
}

Vector3 SurfaceSide::position(std::size_t point) const {
    const PointF& p = surface_.points[point];
    return {scale_.x * p.x, scale_.y * p.y, scale_.z * p.z};
}

void SurfaceSink::drawSide(const SurfaceSide& side) {
    beginTriangles();
    const int triangles = side.triangleCount();
    for (int k = 1; k <= triangles; ++k) {
        for (const std::size_t point : side.corners(k)) {
            const Vector3 at = side.position(point);
            vertex(side.normal(point), side.texCoord(point), at.x, at.y, at.z);
        }
    }
    endTriangles();
}

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
    const Vector3 mapping =
        mappingFor(placement.leafSizeX, placement.leafSizeY, placement.leafSizeZ, leaf.shapeDivisor,
                   depth, length, width);
    sink.drawSide(SurfaceSide(leaf, mapping, true, textured));
    sink.setFrontMaterial(materials.backLeafColor, 1.0f);
    sink.setSurfaceSpecular();
    sink.drawSide(SurfaceSide(leaf, mapping, false, false));
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
    const Vector3 mapping =
        mappingFor(placement.flowerSizeX, placement.flowerSizeY, placement.flowerSizeZ,
                   flower.shapeDivisor, depth, length, width);
    for (int petal = 0; petal < petals; ++petal) {
        sink.drawSide(SurfaceSide(flower, mapping, true, false));
        sink.rotate(petalStep, 0.0f, 1.0f, 0.0f);
    }
    for (int petal = 0; petal < petals; ++petal) {
        sink.setFrontMaterial(materials.backFlowerColor, 0.5f);
        sink.drawSide(SurfaceSide(flower, mapping, false, false));
        sink.rotate(petalStep, 0.0f, 1.0f, 0.0f);
    }
    sink.popMatrix();
    sink.flush();
    sink.setPolygonSmoothing(false);
}

} // namespace burgeon
