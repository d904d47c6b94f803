#include "project/SessionSections.h"

#include "components/OrganShape.h"
#include "components/SurfacePreparation.h"

#include <algorithm>
#include <functional>

namespace burgeon {

namespace {

constexpr double Coordinate = 1e6;

// Per-point triples or pairs of a surface, when the file gives them: as many as points.
template <std::size_t Count>
bool readPerPoint(const SessionJson& section, const char* key, const std::string& path,
                  int pointCount, SessionChecks& checks,
                  const std::function<void(std::size_t, const std::array<double, Count>&)>& take) {
    const SessionJson* value = SessionChecks::member(section, key);
    if (value == nullptr) {
        return false;
    }
    const std::string where = path + "." + key;
    if (!value->is_array() || value->size() != static_cast<std::size_t>(pointCount)) {
        SessionChecks::fail(where, "one entry per point (" + std::to_string(pointCount) + ")",
                            *value);
    }
    for (std::size_t i = 0; i < value->size(); ++i) {
        take(i + 1, checks.numbers<Count>((*value)[i], where + "." + std::to_string(i), -Coordinate,
                                          Coordinate));
    }
    return true;
}

} // namespace

void readSurface(const SessionJson& json, std::string_view key, SurfaceKind kind,
                 OrganSurface& surface, SessionChecks& checks) {
    const std::string path(key);
    const SessionJson& section = checks.object(json, key, path);
    if (section.empty()) {
        return;
    }
    checks.warnUnknown(
        section, path,
        {"divisor", "points", "triangles", "normalsFront", "normalsBack", "texCoords"});
    OrganSurface read;
    OrganShape shape;
    if (const SessionJson* divisor = SessionChecks::member(section, "divisor")) {
        read.shapeDivisor =
            static_cast<float>(checks.number(*divisor, path + ".divisor", 1e-3, Coordinate));
    }
    static const SessionJson none = SessionJson::array();
    const SessionJson* pointsValue = SessionChecks::member(section, "points");
    const SessionJson& points =
        checks.array(pointsValue ? *pointsValue : none, path + ".points", MaxShapePoints);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto xyz = checks.numbers<3>(points[i], path + ".points." + std::to_string(i),
                                           -Coordinate, Coordinate);
        shape.points[i + 1] = {xyz[0], xyz[1], xyz[2]};
        read.points[i + 1] = {static_cast<float>(xyz[0]), static_cast<float>(xyz[1]),
                              static_cast<float>(xyz[2])};
    }
    read.pointCount = shape.pointCount = static_cast<std::int32_t>(points.size());
    const SessionJson* trianglesValue = SessionChecks::member(section, "triangles");
    const SessionJson& triangles = checks.array(trianglesValue ? *trianglesValue : none,
                                                path + ".triangles", MaxShapeTriangles);
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        const std::string where = path + ".triangles." + std::to_string(t);
        if (!triangles[t].is_array() || triangles[t].size() != 3) {
            SessionChecks::fail(where, "3 point numbers", triangles[t]);
        }
        for (std::size_t corner = 0; corner < 3; ++corner) {
            const int point =
                checks.integer(triangles[t][corner], where + "." + std::to_string(corner), 1,
                               std::max(read.pointCount, 1));
            shape.triangles[t + 1][corner] = point;
            read.triangles[t + 1][corner] = static_cast<std::uint8_t>(point);
        }
    }
    read.triangleCount = shape.triangleCount = static_cast<std::int32_t>(triangles.size());

    const bool hasFront = readPerPoint<3>(section, "normalsFront", path, read.pointCount, checks,
                                          [&](std::size_t p, const std::array<double, 3>& n) {
                                              read.normalsFront[p] = {n[0], n[1], n[2]};
                                          });
    const bool hasBack = readPerPoint<3>(section, "normalsBack", path, read.pointCount, checks,
                                         [&](std::size_t p, const std::array<double, 3>& n) {
                                             read.normalsBack[p] = {n[0], n[1], n[2]};
                                         });
    if (!hasFront || !hasBack) {
        computeShapeNormals(shape, read);
    }
    if (kind == SurfaceKind::Leaf &&
        !readPerPoint<2>(section, "texCoords", path, read.pointCount, checks,
                         [&](std::size_t p, const std::array<double, 2>& uv) {
                             read.texCoords[p] = {uv[0], uv[1]};
                         })) {
        computeLeafTexCoords(shape, read);
    }
    surface = read;
}

} // namespace burgeon
