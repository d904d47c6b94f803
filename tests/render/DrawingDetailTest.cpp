// Automatic detail against full detail on the headless context: the same picture, fewer
// triangles for a plant far away, and the segments' array built only when something moved.
#include "HeadlessScene.h"

#include "drawing/QuadricShapes.h"
#include "render/GlDrawingTarget.h"
#include "render/tests/FeedbackTriangles.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace burgeon;

namespace {

using burgeon::testing::expectSameTriangles;
using burgeon::testing::feedbackTriangles;

// The triangles the pipeline would draw, turned so that none is seen edge-on.
std::vector<burgeon::testing::WindowTriangle> fedTriangles(const std::function<void()>& draw) {
    return feedbackTriangles([&] {
        glRotatef(33.0f, 1.0f, 0.4f, 0.2f);
        draw();
    });
}

void sendShape(const QuadricShape& shape) {
    glBegin(GL_TRIANGLES);
    for (const std::uint32_t index : shape.indices) {
        const QuadricVertex& vertex = shape.vertices[index];
        glNormal3fv(vertex.normal.data());
        glVertex3fv(vertex.position.data());
    }
    glEnd();
}

TEST(DrawingDetail, ReducedShapesAreGlusOwnAtTheirSlicesAndStacks) {
    HeadlessScene scene;
    GLUquadric* quadric = gluNewQuadric();
    for (const int slices : {4, 8, 16, 32}) {
        SCOPED_TRACE(slices);
        const auto glu = fedTriangles([&] { gluCylinder(quadric, 0.4, 0.4, 1.3, slices, 1); });
        const auto ours = fedTriangles([&] { sendShape(quadricCylinder(0.4, 1.3, slices, 1)); });
        EXPECT_EQ(ours.size(), static_cast<std::size_t>(cylinderTriangleCount(slices, 1)));
        expectSameTriangles(ours, glu);
    }
    for (const auto& [sphereSlices, sphereStacks] :
         {std::pair{4, 2}, std::pair{8, 4}, std::pair{16, 8}}) {
        const int slices = sphereSlices;
        const int stacks = sphereStacks;
        SCOPED_TRACE(std::to_string(slices) + " x " + std::to_string(stacks));
        const auto glu = fedTriangles([&] { gluSphere(quadric, 0.7, slices, stacks); });
        const auto ours = fedTriangles([&] { sendShape(quadricSphere(0.7, slices, stacks)); });
        EXPECT_EQ(ours.size(), static_cast<std::size_t>(sphereTriangleCount(slices, stacks)));
        expectSameTriangles(ours, glu);
    }
    gluDeleteQuadric(quadric);
}

// The small plant grown, seen from a distance.
RgbImage drawPlantAt(HeadlessScene& scene, DrawingDetail detail, double distance) {
    scene.view.detail = detail;
    scene.view.translationZ = -distance;
    return scene.drawFrame(40.0);
}

TEST(DrawingDetail, AutomaticDetailDrawsThePictureOfFullDetail) {
    HeadlessScene scene;
    scene.buildSmallPlant();
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 20.0, 0.25, 10.0);
    // Near, every segment is large on screen and drawn at full detail; far, the segments are
    // a pixel or less across and drawn coarser, with their outline within a quarter pixel. The
    // picture tests' measure: at most 0.05 % of the pixels differ by more than 24.
    const int allowed = HeadlessScene::Width * HeadlessScene::Height / 2000;
    for (const double distance : {7.0, 30.0, 60.0}) {
        SCOPED_TRACE(distance);
        const RgbImage full = drawPlantAt(scene, DrawingDetail::Full, distance);
        const RgbImage automatic = drawPlantAt(scene, DrawingDetail::Auto, distance);
        EXPECT_TRUE(imagesClose(automatic, full, "auto-detail", 24, distance < 10 ? 0 : allowed));
    }
}

TEST(DrawingDetail, APlantFarAwayTakesFewerTriangles) {
    HeadlessScene scene;
    scene.buildSmallPlant();
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 20.0, 0.25, 10.0);
    const GlDrawingTarget& target = scene.renderer->drawingTarget();
    drawPlantAt(scene, DrawingDetail::Auto, 7.0);
    const std::size_t near = target.segmentBuffer().triangleCount();
    drawPlantAt(scene, DrawingDetail::Auto, 60.0);
    const std::size_t far = target.segmentBuffer().triangleCount();
    // Six segments; near, each a full cylinder and the half of its cap outside it, of which
    // the pipeline draws the front, less the slivers along the outline that reach no pixel
    // centre.
    EXPECT_GT(near, 6u * static_cast<std::size_t>(cylinderTriangleCount(CylinderSlices, 1)) / 2);
    EXPECT_LT(near, 6u * static_cast<std::size_t>(cylinderTriangleCount(CylinderSlices, 1) +
                                                  sphereTriangleCount(CapSlices, CapStacks)));
    EXPECT_LT(far * 4, near);
    EXPECT_GT(target.surfaceBuffer().triangleCount(), 0u) << "the leaves and the flower";
}

TEST(DrawingDetail, TheSegmentsAreBuiltAgainOnlyWhenSomethingMoved) {
    HeadlessScene scene;
    scene.buildSmallPlant();
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 20.0, 0.25, 10.0);
    scene.parameters.wind = 30;
    const SegmentBuffer& segments = scene.renderer->drawingTarget().segmentBuffer();
    const RgbImage first = scene.drawFrame(40.0);
    const int built = segments.builds();
    // Standing still, with the leaves fluttering in the wind: the same array.
    for (int frame = 1; frame <= 3; ++frame) {
        scene.clock.millisecondsOfDayValue = 1000 * frame;
        scene.drawFrame(40.0);
    }
    EXPECT_EQ(segments.builds(), built);
    scene.clock.millisecondsOfDayValue = 0;
    EXPECT_TRUE(imagesClose(scene.drawFrame(40.0), first, "still", 0));

    scene.drawFrame(41.0); // the plant grows
    EXPECT_EQ(segments.builds(), built + 1);
    scene.view.rotationY = 30.0; // the view turns
    scene.drawFrame(41.0);
    EXPECT_EQ(segments.builds(), built + 2);
    scene.renderer->setProjection(HeadlessScene::Width / 2, HeadlessScene::Height); // resized
    scene.drawFrame(41.0);
    EXPECT_EQ(segments.builds(), built + 3);
    scene.drawFrame(41.0);
    EXPECT_EQ(segments.builds(), built + 3);

    // The batch leaves the pipeline's lighting model as the land set it.
    GLint twoSided = GL_FALSE;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSided);
    EXPECT_EQ(twoSided, GL_TRUE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
