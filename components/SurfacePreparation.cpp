#include "components/SurfacePreparation.h"

#include <cmath>
#include <cstdlib>

namespace burgeon {

namespace {

Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector3& operator+=(Vector3& a, const Vector3& b) {
    a.x += b.x;
    a.y += b.y;
    a.z += b.z;
    return a;
}

Vector3 scaledToUnit(const Vector3& v) {
    double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0) {
        length = 1.0;
    }
    return {v.x / length, v.y / length, v.z / length};
}

Vector3 widened(const PointF& p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)};
}

} // namespace

Vector3 faceNormal(const Vector3& p1, const Vector3& p2, const Vector3& p3) {
    const Vector3 u = p1 - p2;
    const Vector3 v = p2 - p3;
    const Vector3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    return scaledToUnit(n);
}

void copyShapeToSurface(const OrganShape& entry, OrganSurface& surface) {
    surface.points = {};
    surface.triangles = {};
    for (int k = 1; k <= entry.pointCount; ++k) {
        const Vector3& p = entry.points[static_cast<std::size_t>(k)];
        surface.points[static_cast<std::size_t>(k)] = {
            static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
    }
    for (int k = 1; k <= entry.triangleCount; ++k) {
        const auto& corners = entry.triangles[static_cast<std::size_t>(k)];
        auto& narrowed = surface.triangles[static_cast<std::size_t>(k)];
        for (std::size_t c = 0; c < 3; ++c) {
            narrowed[c] = static_cast<std::uint8_t>(corners[c]);
        }
    }
    surface.pointCount = entry.pointCount;
    surface.triangleCount = entry.triangleCount;
}

void computeShapeNormals(const OrganShape& entry, OrganSurface& surface) {
    // Running sums instead of a fixed table of faces per point, so no face is ever dropped.
    std::array<Vector3, MaxShapePoints + 1> frontSums{};
    std::array<Vector3, MaxShapePoints + 1> backSums{};
    std::array<int, MaxShapePoints + 1> faceCounts{};
    for (int k = 1; k <= entry.triangleCount; ++k) {
        const auto& corners = entry.triangles[static_cast<std::size_t>(k)];
        const auto t1 = static_cast<std::size_t>(corners[0]);
        const auto t2 = static_cast<std::size_t>(corners[1]);
        const auto t3 = static_cast<std::size_t>(corners[2]);
        const Vector3 p1 = widened(surface.points[t1]);
        const Vector3 p2 = widened(surface.points[t2]);
        const Vector3 p3 = widened(surface.points[t3]);
        ++faceCounts[t1];
        ++faceCounts[t2];
        ++faceCounts[t3];
        frontSums[t1] += faceNormal(p1, p3, p2);
        frontSums[t2] += faceNormal(p3, p2, p1);
        frontSums[t3] += faceNormal(p2, p1, p3);
        backSums[t1] += faceNormal(p1, p2, p3);
        backSums[t2] += faceNormal(p2, p3, p1);
        backSums[t3] += faceNormal(p3, p1, p2);
    }
    surface.normalsFront = {};
    surface.normalsBack = {};
    for (std::size_t k = 1; k <= static_cast<std::size_t>(entry.pointCount); ++k) {
        if (faceCounts[k] == 0) {
            continue; // a point no triangle uses is never drawn
        }
        const double count = faceCounts[k];
        const Vector3& front = frontSums[k];
        const Vector3& back = backSums[k];
        surface.normalsFront[k] = scaledToUnit({front.x / count, front.y / count, front.z / count});
        surface.normalsBack[k] = scaledToUnit({back.x / count, back.y / count, back.z / count});
    }
}

void computeLeafTexCoords(const OrganShape& entry, OrganSurface& surface) {
    surface.texCoords = {};
    if (entry.pointCount < 1) {
        return;
    }
    double xmin = entry.points[1].x;
    double xmax = xmin;
    double ymin = entry.points[1].y;
    double ymax = ymin;
    for (std::size_t k = 2; k <= static_cast<std::size_t>(entry.pointCount); ++k) {
        const Vector3& p = entry.points[k];
        if (p.x < xmin) {
            xmin = p.x;
        } else if (p.x > xmax) {
            xmax = p.x;
        }
        if (p.y < ymin) {
            ymin = p.y;
        } else if (p.y > ymax) {
            ymax = p.y;
        }
    }
    const double dx = std::abs(xmax - xmin);
    const double dy = std::abs(ymax - ymin);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(entry.pointCount); ++k) {
        const Vector3& p = entry.points[k];
        // A flat axis has no extent to spread the picture over: the coordinate stays 0.
        const double u = dx == 0.0 ? 0.0 : std::abs(p.x - xmin) / dx;
        const double v = dy == 0.0 ? 0.0 : (dy - std::abs(p.y - ymin)) / dy;
        surface.texCoords[k] = {u, v};
    }
}

void prepareLeafShape(const OrganShape& entry, OrganSurface& surface) {
    computeShapeNormals(entry, surface);
    computeLeafTexCoords(entry, surface);
}

void prepareFlowerShape(const OrganShape& entry, OrganSurface& surface) {
    computeShapeNormals(entry, surface);
}

OrganShape shapeOfSurface(const OrganSurface& surface) {
    OrganShape shape;
    shape.pointCount = surface.pointCount;
    shape.triangleCount = surface.triangleCount;
    for (int p = 1; p <= surface.pointCount; ++p) {
        const PointF& point = surface.points[static_cast<std::size_t>(p)];
        shape.points[static_cast<std::size_t>(p)] = {point.x, point.y, point.z};
    }
    for (int t = 1; t <= surface.triangleCount; ++t) {
        const auto& triangle = surface.triangles[static_cast<std::size_t>(t)];
        shape.triangles[static_cast<std::size_t>(t)] = {triangle[0], triangle[1], triangle[2]};
    }
    return shape;
}

} // namespace burgeon
