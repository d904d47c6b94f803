#include "components/BuiltInShapes.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace burgeon {

namespace {

Vector3 widened(const PointF& p) {
    return {p.x, p.y, p.z};
}

Vector3 normalOf(const Vector3& p1, const Vector3& p2, const Vector3& p3) {
    const Vector3 u{p1.x - p2.x, p1.y - p2.y, p1.z - p2.z};
    const Vector3 v{p2.x - p3.x, p2.y - p3.y, p2.z - p3.z};
    const Vector3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length == 0.0) {
        length = 1.0;
    }
    return {n.x / length, n.y / length, n.z / length};
}

void addTo(Vector3& sum, const Vector3& v) {
    sum.x += v.x;
    sum.y += v.y;
    sum.z += v.z;
}

Vector3 unit(const Vector3& v) {
    double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0) {
        length = 1.0;
    }
    return {v.x / length, v.y / length, v.z / length};
}

// Per-point mean of the face normals of both sides, with the corner orders the surface
// routines expect (upper side t1, t3, t2; lower side t1, t2, t3).
void computeNormals(OrganSurface& surface) {
    for (int k = 1; k <= surface.triangleCount; ++k) {
        const auto& t = surface.triangles[static_cast<std::size_t>(k)];
        const Vector3 p1 = widened(surface.points[t[0]]);
        const Vector3 p2 = widened(surface.points[t[1]]);
        const Vector3 p3 = widened(surface.points[t[2]]);
        const Vector3 front = normalOf(p1, p3, p2);
        const Vector3 back = normalOf(p1, p2, p3);
        for (const std::uint8_t point : t) {
            addTo(surface.normalsFront[point], front);
            addTo(surface.normalsBack[point], back);
        }
    }
    for (int p = 1; p <= surface.pointCount; ++p) {
        surface.normalsFront[static_cast<std::size_t>(p)] =
            unit(surface.normalsFront[static_cast<std::size_t>(p)]);
        surface.normalsBack[static_cast<std::size_t>(p)] =
            unit(surface.normalsBack[static_cast<std::size_t>(p)]);
    }
}

OrganSurface makeSurface(std::initializer_list<PointF> points,
                         std::initializer_list<std::array<std::uint8_t, 3>> triangles) {
    OrganSurface surface;
    for (const PointF& point : points) {
        surface.points[static_cast<std::size_t>(++surface.pointCount)] = point;
    }
    for (const auto& triangle : triangles) {
        surface.triangles[static_cast<std::size_t>(++surface.triangleCount)] = triangle;
    }
    computeNormals(surface);
    return surface;
}

} // namespace

OrganSurface builtInLeaf() {
    // A midrib from the base (point 1) to the tip (point 5), with three points on each edge
    // bent slightly back; about the size of the leaves a shape library holds.
    OrganSurface leaf = makeSurface({{0, 0, 0},
                                     {0, 30, 2},
                                     {0, 60, 3},
                                     {0, 90, 2},
                                     {0, 120, 0},
                                     {-20, 30, -4},
                                     {-28, 60, -6},
                                     {-20, 90, -4},
                                     {20, 30, -4},
                                     {28, 60, -6},
                                     {20, 90, -4}},
                                    {{1, 2, 6},
                                     {2, 7, 6},
                                     {2, 3, 7},
                                     {3, 8, 7},
                                     {3, 4, 8},
                                     {4, 5, 8},
                                     {1, 9, 2},
                                     {2, 9, 10},
                                     {2, 10, 3},
                                     {3, 10, 11},
                                     {3, 11, 4},
                                     {4, 11, 5}});
    // Texture coordinates over the bounding box: u across x, v from 1 at the base to 0 at
    // the tip.
    for (int p = 1; p <= leaf.pointCount; ++p) {
        const PointF& point = leaf.points[static_cast<std::size_t>(p)];
        leaf.texCoords[static_cast<std::size_t>(p)] = {(point.x + 14.0) / 28.0,
                                                       (60.0 - point.y) / 60.0};
    }
    return leaf;
}

OrganSurface builtInPetal() {
    // A petal lying out along +Z from the flower's centre, tipped slightly upwards.
    return makeSurface({{0, 0, 0}, {-15, -5, 30}, {0, -10, 62}, {15, -5, 30}},
                       {{1, 4, 3}, {1, 3, 2}});
}

} // namespace burgeon
