// The mesh's quadrics against what GLU really sends: the pipeline's feedback mode returns
// every triangle it would draw, in window coordinates, on the headless context.
#include "components/MaterialSet.h"
#include "mesh/MeshLibrary.h"
#include "mesh/QuadricMesh.h"
#include "mesh/TransformMath.h"
#include "render/GlDrawingTarget.h"
#include "render/HeadlessContext.h"
#include "render/UnitGeometry.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace burgeon;

namespace {

using Corner = std::array<double, 3>;
using Triangle = std::array<Corner, 3>;

// A viewport of 2000 pixels on an orthographic box of +-2: window x = (x + 2) * 500.
constexpr double PixelsPerUnit = 500.0;

Corner toWindow(const Vector3& p) {
    return {(p.x + 2.0) * PixelsPerUnit, (p.y + 2.0) * PixelsPerUnit, 0.5 - p.z / 4.0};
}

// Runs the GL calls in feedback mode with culling off and returns the triangles.
std::vector<Triangle> feedbackTriangles(const Matrix4& modelView,
                                        const std::function<void(GLUquadric*)>& draw) {
    std::vector<GLfloat> buffer(1 << 18);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glViewport(0, 0, 2000, 2000);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -2, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(modelView.data());
    GLUquadric* quadric = gluNewQuadric();
    draw(quadric);
    gluDeleteQuadric(quadric);
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<Triangle> triangles;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[static_cast<std::size_t>(i++)], GL_POLYGON_TOKEN);
        EXPECT_EQ(buffer[static_cast<std::size_t>(i++)], 3.0f)
            << "the pipeline splits into triangles";
        Triangle& triangle = triangles.emplace_back();
        for (Corner& corner : triangle) {
            for (double& value : corner) {
                value = buffer[static_cast<std::size_t>(i++)];
            }
        }
    }
    return triangles;
}

std::vector<Triangle> meshTriangles(const MeshPrimitive& primitive) {
    std::vector<Triangle> triangles;
    for (std::size_t i = 0; i < primitive.indices.size(); i += 3) {
        Triangle& triangle = triangles.emplace_back();
        for (std::size_t k = 0; k < 3; ++k) {
            const auto& p = primitive.vertices[primitive.indices[i + k]].position;
            triangle[k] = toWindow({p[0], p[1], p[2]});
        }
    }
    return triangles;
}

bool sameCorner(const Corner& a, const Corner& b) {
    return std::abs(a[0] - b[0]) < 0.01 && std::abs(a[1] - b[1]) < 0.01 &&
           std::abs(a[2] - b[2]) < 1e-5;
}

// Same corners in the same turning order (any first corner): same triangle, same winding.
bool sameTriangle(const Triangle& a, const Triangle& b) {
    for (std::size_t shift = 0; shift < 3; ++shift) {
        if (sameCorner(a[0], b[shift]) && sameCorner(a[1], b[(shift + 1) % 3]) &&
            sameCorner(a[2], b[(shift + 2) % 3])) {
            return true;
        }
    }
    return false;
}

void expectSameTriangles(const std::vector<Triangle>& mesh, const std::vector<Triangle>& fed) {
    ASSERT_EQ(mesh.size(), fed.size());
    std::vector<bool> matched(fed.size(), false);
    for (std::size_t i = 0; i < mesh.size(); ++i) {
        bool found = false;
        for (std::size_t k = 0; k < fed.size() && !found; ++k) {
            if (!matched[k] && sameTriangle(mesh[i], fed[k])) {
                matched[k] = true;
                found = true;
            }
        }
        EXPECT_TRUE(found) << "mesh triangle " << i << " is not among GLU's";
    }
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
