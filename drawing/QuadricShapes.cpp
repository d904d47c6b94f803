#include "drawing/QuadricShapes.h"

#include <algorithm>
#include <cmath>

namespace burgeon {

namespace {

// GLU's own value of pi, so the angles round as its caches do.
constexpr double GluPi = 3.14159265358979323846;

void appendVertex(QuadricShape& shape, float px, float py, float pz, float nx, float ny, float nz) {
    shape.vertices.push_back({{px, py, pz}, {nx, ny, nz}});
}

void appendTriangle(QuadricShape& shape, std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    shape.indices.insert(shape.indices.end(), {a, b, c});
}

// A quad strip's pairs (v0, v1), (v2, v3) ... make quads v0 v1 v3 v2; the pipeline draws each
// as the triangles (v0, v1, v3) and (v0, v3, v2), keeping the quad's winding.
void triangulateQuadStrip(QuadricShape& shape, std::uint32_t first, int pairs) {
    for (int k = 0; k + 1 < pairs; ++k) {
        const std::uint32_t v0 = first + static_cast<std::uint32_t>(2 * k);
        appendTriangle(shape, v0, v0 + 1, v0 + 3);
        appendTriangle(shape, v0, v0 + 3, v0 + 2);
    }
}

// A triangle fan: the centre with each following pair.
void triangulateFan(QuadricShape& shape, std::uint32_t first, int vertices) {
    for (int k = 1; k + 1 < vertices; ++k) {
        appendTriangle(shape, first, first + static_cast<std::uint32_t>(k),
                       first + static_cast<std::uint32_t>(k + 1));
    }
}

std::uint32_t nextIndex(const QuadricShape& shape) {
    return static_cast<std::uint32_t>(shape.vertices.size());
}

} // namespace

QuadricShape quadricCylinder(double radius, double height, int slices, int stacks) {
    QuadricShape shape;
    shape.vertices.reserve(static_cast<std::size_t>(cylinderVertexCount(slices, stacks)));
    shape.indices.reserve(static_cast<std::size_t>(3 * cylinderTriangleCount(slices, stacks)));
    // Equal radii: the normals are horizontal (xyNormalRatio 1, zNormal 0).
    std::vector<float> sines(static_cast<std::size_t>(slices) + 1);
    std::vector<float> cosines(sines.size());
    for (int i = 0; i < slices; ++i) {
        const auto angle = static_cast<float>(2 * GluPi * i / slices);
        sines[static_cast<std::size_t>(i)] = static_cast<float>(std::sin(double{angle}));
        cosines[static_cast<std::size_t>(i)] = static_cast<float>(std::cos(double{angle}));
    }
    sines.back() = sines.front();
    cosines.back() = cosines.front();
    const auto r = static_cast<float>(radius);
    for (int j = 0; j < stacks; ++j) {
        const auto zLow = static_cast<float>(j * height / stacks);
        const auto zHigh = static_cast<float>((j + 1) * height / stacks);
        const std::uint32_t first = nextIndex(shape);
        for (std::size_t i = 0; i < sines.size(); ++i) {
            const float s = sines[i];
            const float c = cosines[i];
            appendVertex(shape, r * s, r * c, zLow, s, c, 0.0f);
            appendVertex(shape, r * s, r * c, zHigh, s, c, 0.0f);
        }
        triangulateQuadStrip(shape, first, slices + 1);
    }
    return shape;
}

QuadricShape quadricSphere(double radius, int slices, int stacks) {
    QuadricShape shape;
    shape.vertices.reserve(static_cast<std::size_t>(sphereVertexCount(slices, stacks)));
    shape.indices.reserve(static_cast<std::size_t>(3 * sphereTriangleCount(slices, stacks)));
    const auto sliceCount = static_cast<std::size_t>(slices);
    const auto stackCount = static_cast<std::size_t>(stacks);
    std::vector<float> sinA(sliceCount + 1), cosA(sliceCount + 1);
    for (std::size_t i = 0; i < sliceCount; ++i) {
        const auto angle = static_cast<float>(2 * GluPi * static_cast<double>(i) / slices);
        sinA[i] = static_cast<float>(std::sin(double{angle}));
        cosA[i] = static_cast<float>(std::cos(double{angle}));
    }
    sinA[sliceCount] = sinA[0];
    cosA[sliceCount] = cosA[0];
    // Unit sines and cosines for the normals, scaled ones for the positions.
    std::vector<float> sinB(stackCount + 1), cosB(stackCount + 1);
    std::vector<float> ringRadius(stackCount + 1), ringHeight(stackCount + 1);
    for (std::size_t j = 0; j <= stackCount; ++j) {
        const auto angle = static_cast<float>(GluPi * static_cast<double>(j) / stacks);
        sinB[j] = static_cast<float>(std::sin(double{angle}));
        cosB[j] = static_cast<float>(std::cos(double{angle}));
        ringRadius[j] = static_cast<float>(radius * std::sin(double{angle}));
        ringHeight[j] = static_cast<float>(radius * std::cos(double{angle}));
    }
    ringRadius[0] = 0.0f;
    ringRadius[stackCount] = 0.0f;
    const auto r = static_cast<float>(radius);

    // Upper pole: the fan runs round the first ring backwards.
    std::uint32_t first = nextIndex(shape);
    appendVertex(shape, 0.0f, 0.0f, r, sinA[0] * sinB[0], cosA[0] * sinB[0], cosB[0]);
    for (std::size_t i = sliceCount + 1; i-- > 0;) {
        appendVertex(shape, ringRadius[1] * sinA[i], ringRadius[1] * cosA[i], ringHeight[1],
                     sinA[i] * sinB[1], cosA[i] * sinB[1], cosB[1]);
    }
    triangulateFan(shape, first, slices + 2);

    // Lower pole, forwards. GLU takes the pole normal's slice terms at index `stacks`.
    const std::size_t poleSlice = std::min(stackCount, sliceCount);
    const std::size_t last = stackCount - 1;
    first = nextIndex(shape);
    appendVertex(shape, 0.0f, 0.0f, -r, sinA[poleSlice] * sinB[stackCount],
                 cosA[poleSlice] * sinB[stackCount], cosB[stackCount]);
    for (std::size_t i = 0; i <= sliceCount; ++i) {
        appendVertex(shape, ringRadius[last] * sinA[i], ringRadius[last] * cosA[i],
                     ringHeight[last], sinA[i] * sinB[last], cosA[i] * sinB[last], cosB[last]);
    }
    triangulateFan(shape, first, slices + 2);

    // The bands between, each from ring j + 1 (first of a pair) to ring j.
    for (std::size_t j = 1; j + 1 < stackCount; ++j) {
        first = nextIndex(shape);
        for (std::size_t i = 0; i <= sliceCount; ++i) {
            appendVertex(shape, ringRadius[j + 1] * sinA[i], ringRadius[j + 1] * cosA[i],
                         ringHeight[j + 1], sinA[i] * sinB[j + 1], cosA[i] * sinB[j + 1],
                         cosB[j + 1]);
            appendVertex(shape, ringRadius[j] * sinA[i], ringRadius[j] * cosA[i], ringHeight[j],
                         sinA[i] * sinB[j], cosA[i] * sinB[j], cosB[j]);
        }
        triangulateQuadStrip(shape, first, slices + 1);
    }
    return shape;
}

} // namespace burgeon
