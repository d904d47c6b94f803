// The mesh's quadrics against what GLU really sends: the pipeline's feedback mode returns
// every triangle it would draw, in window coordinates, on the headless context.
#include "components/MaterialSet.h"
#include "mesh/MeshLibrary.h"
#include "mesh/QuadricMesh.h"
#include "mesh/TransformMath.h"
#include "render/GlDrawingTarget.h"
#include "render/HeadlessContext.h"
#include "render/UnitGeometry.h"
#include "render/tests/FeedbackTriangles.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace burgeon;

namespace {

using burgeon::testing::expectSameTriangles;
using burgeon::testing::feedbackWindowCorner;
using burgeon::testing::WindowTriangle;

// The triangles GLU's quadric calls make under the model-view matrix, as the pipeline would
// draw them.
std::vector<WindowTriangle> feedbackTriangles(const Matrix4& modelView,
                                              const std::function<void(GLUquadric*)>& draw) {
    return burgeon::testing::feedbackTriangles([&] {
        glLoadMatrixd(modelView.data());
        GLUquadric* quadric = gluNewQuadric();
        draw(quadric);
        gluDeleteQuadric(quadric);
    });
}

std::vector<WindowTriangle> meshTriangles(const MeshPrimitive& primitive) {
    std::vector<WindowTriangle> triangles;
    for (std::size_t i = 0; i < primitive.indices.size(); i += 3) {
        WindowTriangle& triangle = triangles.emplace_back();
        for (std::size_t k = 0; k < 3; ++k) {
            const auto& p = primitive.vertices[primitive.indices[i + k]].position;
            triangle[k] = feedbackWindowCorner(p[0], p[1], p[2]);
        }
    }
    return triangles;
}

class QuadricFeedback : public ::testing::Test {
protected:
    void SetUp() override {
        try {
            context = std::make_unique<HeadlessContext>(64, 64);
        } catch (const HeadlessContextError& error) {
            GTEST_SKIP() << "no headless OpenGL context: " << error.what();
        }
        context->makeCurrent();
        // An oblique view, so that no triangle is seen edge-on.
        view = multiplyMatrices(rotationMatrix(33.0, 1.0, 0.4, 0.2),
                                rotationMatrix(90.0, 1.0, 0.0, 0.0));
    }

    std::unique_ptr<HeadlessContext> context;
    Matrix4 view = identityMatrix();
};

TEST_F(QuadricFeedback, CylinderMatchesGlu) {
    const auto fed = feedbackTriangles(
        view, [](GLUquadric* q) { gluCylinder(q, 0.4, 0.4, 1.3, CylinderSlices, CylinderStacks); });
    MeshPrimitive mesh;
    appendQuadricCylinder(mesh, 0.4, 1.3, CylinderSlices, CylinderStacks, view);
    EXPECT_EQ(fed.size(), static_cast<std::size_t>(cylinderTriangleCount(32, 1)));
    expectSameTriangles(meshTriangles(mesh), fed);
}

TEST_F(QuadricFeedback, SphereMatchesGlu) {
    const auto fed =
        feedbackTriangles(view, [](GLUquadric* q) { gluSphere(q, 0.7, CapSlices, CapStacks); });
    MeshPrimitive mesh;
    appendQuadricSphere(mesh, 0.7, CapSlices, CapStacks, view);
    EXPECT_EQ(fed.size(), static_cast<std::size_t>(sphereTriangleCount(16, 16)));
    expectSameTriangles(meshTriangles(mesh), fed);
}

// The renderer's own internode against the library's segment mesh. The renderer's display
// lists hold the same quadrics, but Mesa's feedback mode fails on calling a display list, so
// the renderer draws them here the way it keeps for comparison: quadrics per organ.
TEST_F(QuadricFeedback, SegmentMeshMatchesTheRenderersInternode) {
    UnitGeometry geometry;
    GlDrawingTarget target(geometry);
    target.setCylinderGeometry(CylinderGeometry::QuadricPerOrgan);
    MaterialSet materials;
    ShapeInputs inputs;
    inputs.materials = &materials;
    target.setInputs(inputs);
    const auto fed = feedbackTriangles(view, [&](GLUquadric*) {
        target.synchroniseDepth();
        target.drawInternode(1.3, 0.4);
    });
    MeshLibrary library(MeshShapes{&materials, nullptr, nullptr, nullptr, nullptr, nullptr});
    MeshPrimitive placed =
        library
            .meshes()[static_cast<std::size_t>(library.segment(MaterialRole::Internode, 1.3, 0.4))]
            .primitives.at(0);
    for (MeshVertex& vertex : placed.vertices) {
        const Vector3 p =
            transformPoint(view, {vertex.position[0], vertex.position[1], vertex.position[2]});
        vertex.position = {static_cast<float>(p.x), static_cast<float>(p.y),
                           static_cast<float>(p.z)};
    }
    EXPECT_EQ(fed.size(), 64u + 480u);
    expectSameTriangles(meshTriangles(placed), fed);
}

} // namespace
