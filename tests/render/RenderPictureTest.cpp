#include "HeadlessScene.h"

#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "frame/FrameScene.h"
#include "render/GlDrawingTarget.h"
#include "render/RendererCanvas.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

using namespace burgeon;

namespace {

bool near(RgbColor actual, RgbColor expected, int tolerance = 2) {
    return std::abs(actual.red - expected.red) <= tolerance &&
           std::abs(actual.green - expected.green) <= tolerance &&
           std::abs(actual.blue - expected.blue) <= tolerance;
}

// The strongest colour in a 5 x 5 neighbourhood (lines are one pixel wide).
RgbColor brightestAround(const RgbImage& image, int column, int row) {
    RgbColor best{0, 0, 0};
    for (int y = row - 2; y <= row + 2; ++y) {
        for (int x = column - 2; x <= column + 2; ++x) {
            if (!image.contains(x, y)) {
                continue;
            }
            const RgbColor p = image.pixel(x, y);
            if (p.red + p.green + p.blue > best.red + best.green + best.blue) {
                best = p;
            }
        }
    }
    return best;
}

} // namespace

TEST(RenderPicture, BackgroundLandAndAnEmptyPlant) {
    HeadlessScene scene;
    scene.materials.backgroundColor = {30, 60, 200};
    scene.renderer->beginFrame();
    const RgbImage cleared =
        scene.renderer->readPixels(HeadlessScene::Width, HeadlessScene::Height);
    EXPECT_EQ(differingPixels(
                  cleared, RgbImage(HeadlessScene::Width, HeadlessScene::Height, {30, 60, 200}), 1),
              0);

    // With every curve zero only the land is drawn: the plant adds nothing.
    scene.buildSmallPlant();
    const RgbImage withPlant = scene.drawFrame(40.0);
    scene.plant.nodeCount = 0;
    const RgbImage landOnly = scene.drawFrame(40.0);
    EXPECT_TRUE(imagesClose(withPlant, landOnly, "zero-curves", 0));

    // The ground square: its centre and a point inside a corner show the land colour
    // (green dominant), a point beyond its edge the background.
    int column = 0;
    int row = 0;
    for (const auto& [x, z] : {std::pair{0.0, 0.0}, std::pair{2.5, 2.5}, std::pair{-2.5, -2.5}}) {
        ASSERT_TRUE(scene.project(x, -2.5, z, column, row));
        const RgbColor land = landOnly.pixel(column, row);
        EXPECT_GT(land.green, land.red) << x << "," << z;
        EXPECT_GT(land.green, land.blue) << x << "," << z;
        EXPECT_FALSE(near(land, {30, 60, 200}, 10));
    }
    ASSERT_TRUE(scene.project(3.6, -2.5, 0.0, column, row));
    EXPECT_TRUE(near(landOnly.pixel(column, row), {30, 60, 200}));
}

TEST(RenderPicture, ThePlantGrowsAndStopsAfterEndTime) {
    HeadlessScene scene;
    scene.view.translationY = 1.0; // close up, with the plant base in view
    scene.view.translationZ = -8.0;
    // A life cycle that holds the turntable back until 4 x 100 + 100, past every frame here.
    scene.growth.fittedData.lifeCycleTime = 100;
    scene.buildSmallPlant();
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 12.0, 0.25, 20.0);
    scene.parameters.nodeDiameter = 4.0;
    scene.drawFrame(40.0); // the leaf pass leaves its specular set from the first frame on
    scene.plant.nodeCount = 0;
    const RgbImage landOnly = scene.drawFrame(1.0);
    scene.buildSmallPlant();

    const int early = differingPixels(scene.drawFrame(20.0), landOnly, 8);
    const int middle = differingPixels(scene.drawFrame(35.0), landOnly, 8);
    const RgbImage atEnd = scene.drawFrame(scene.renderer->totalTime());
    EXPECT_EQ(scene.renderer->totalTime(), 20 + 6 + 50);
    const RgbImage afterEnd = scene.drawFrame(scene.renderer->totalTime() + 200.0);
    EXPECT_GT(early, 0);
    EXPECT_GT(middle, early + 50);
    EXPECT_GT(differingPixels(atEnd, landOnly, 8), middle);
    // The organs keep their EndTime sizes; only the children's bend keeps growing, and it is
    // the same here because Age stops too.
    EXPECT_TRUE(imagesClose(afterEnd, atEnd, "after-end-time", 2));
}

TEST(RenderPicture, LeafTextureSwitch) {
    HeadlessScene scene;
    scene.buildSmallPlant();
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 15.0, 0.25, 10.0);
    scene.view.translationZ = -6.0; // close up, so the leaves fill many pixels
    scene.parameters.wind = 1;

    // A white texture modulates nothing: the same picture as untextured leaves.
    BitmapPixels white{4, 4, std::vector<std::uint8_t>(4 * 4 * 4, 255)};
    scene.leafTextures.leafTextureCount = 1;
    scene.leafTextures.slots[0].image = white;
    scene.leafTextures.slots[0].generation = 1;
    const RgbImage whiteLeaves = scene.drawFrame(40.0);

    scene.leafTextures.texturesEnabled = false;
    const RgbImage untextured = scene.drawFrame(40.0);
    EXPECT_TRUE(imagesClose(untextured, whiteLeaves, "texture-off", 3, 40));

    // A dark texture changes the leaves, and it is taken up when the slot's generation
    // changes; switched off, the leaves are plain again.
    scene.leafTextures.texturesEnabled = true;
    BitmapPixels dark{4, 4, std::vector<std::uint8_t>(4 * 4 * 4, 40)};
    scene.leafTextures.slots[0].image = dark;
    scene.leafTextures.slots[0].generation = 2;
    const RgbImage darkLeaves = scene.drawFrame(40.0);
    EXPECT_GT(differingPixels(darkLeaves, untextured, 20), 50);
    scene.leafTextures.texturesEnabled = false;
    EXPECT_TRUE(imagesClose(scene.drawFrame(40.0), untextured, "texture-off-again", 0));
}

TEST(RenderPicture, AxesDrawRedGreenAndBlue) {
    HeadlessScene scene;
    scene.view.showAxes = true;
    scene.view.mouseYaw = 35.0f;
    scene.view.mousePitch = 25.0f;
    scene.renderer->beginFrame();
    scene.renderer->applyViewTransform();
    scene.renderer->drawAxes();
    glFinish();
    const RgbImage image = scene.renderer->readPixels(HeadlessScene::Width, HeadlessScene::Height);
    int column = 0;
    int row = 0;
    // In scene coordinates red lies along X, green along Z and blue along Y.
    ASSERT_TRUE(scene.project(-1.5, 0.0, 0.0, column, row));
    const RgbColor red = brightestAround(image, column, row);
    EXPECT_GT(red.red, 40);
    EXPECT_LT(red.green + red.blue, 10);
    ASSERT_TRUE(scene.project(0.0, 0.0, 1.5, column, row));
    const RgbColor green = brightestAround(image, column, row);
    EXPECT_GT(green.green, 40);
    EXPECT_LT(green.red + green.blue, 10);
    ASSERT_TRUE(scene.project(0.0, 1.5, 0.0, column, row));
    const RgbColor blue = brightestAround(image, column, row);
    EXPECT_GT(blue.blue, 40);
    EXPECT_LT(blue.red + blue.green, 10);
    // The label "Y" is drawn in lit white (grey) below the origin.
    ASSERT_TRUE(scene.project(0.0, -3.2, 0.0, column, row));
    int white = 0;
    for (int y = row - 16; y <= row; ++y) {
        for (int x = column; x < column + 8; ++x) {
            const RgbColor p = image.contains(x, y) ? image.pixel(x, y) : RgbColor{};
            if (p.red > 40 && near(p, {p.red, p.red, p.red}, 4)) {
                ++white;
            }
        }
    }
    EXPECT_GT(white, 10);
}

TEST(RenderPicture, FramesRepeatWithoutWindAndWithAFixedClock) {
    HeadlessScene scene;
    scene.buildSmallPlant();
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 12.0, 0.25, 10.0);
    SystemClock systemClock;
    scene.parameters.wind = 1;
    Renderer systemTimed(scene.context, scene, systemClock);
    systemTimed.initialize("no-such-grass.bmp");
    systemTimed.setProjection(HeadlessScene::Width, HeadlessScene::Height);
    RendererCanvas systemCanvas(scene, systemTimed, HeadlessScene::Width, HeadlessScene::Height);
    // The first frame of a context has no surface specular yet (the leaf pass sets it for
    // good), so the comparison starts from the second.
    drawScene(systemCanvas, scene, 30.0);
    drawScene(systemCanvas, scene, 30.0);
    const RgbImage first = systemTimed.readPixels(HeadlessScene::Width, HeadlessScene::Height);
    drawScene(systemCanvas, scene, 30.0);
    EXPECT_TRUE(imagesClose(systemTimed.readPixels(HeadlessScene::Width, HeadlessScene::Height),
                            first, "wind-one", 0));

    scene.parameters.wind = 30;
    scene.clock.millisecondsOfDayValue = 1234;
    const RgbImage windy = scene.drawFrame(30.0);
    EXPECT_TRUE(imagesClose(scene.drawFrame(30.0), windy, "fixed-clock", 0));
}

TEST(RenderPicture, CachedGeometryDrawsLikeQuadricsPerOrgan) {
    HeadlessScene scene;
    scene.view.detail = DrawingDetail::Full;
    scene.buildSmallPlant();
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 20.0, 0.25, 10.0);
    scene.view.translationZ = -7.0;
    const RgbImage cached = scene.drawFrame(40.0);
    scene.renderer->setCylinderGeometry(CylinderGeometry::QuadricPerOrgan);
    const RgbImage quadrics = scene.drawFrame(40.0);
    EXPECT_TRUE(imagesClose(cached, quadrics, "cached-geometry", 3, 20));
}

TEST(RenderPicture, ShownFrameIsThePreviousOne) {
    HeadlessScene scene;
    scene.materials.backgroundColor = {200, 0, 0};
    scene.renderer->beginFrame();
    scene.renderer->endFrame();
    scene.materials.backgroundColor = {0, 0, 200};
    scene.renderer->beginFrame();
    glFinish();
    EXPECT_TRUE(near(scene.renderer->readPixels(10, 10).pixel(5, 5), {0, 0, 200}));
    const RgbImage shown =
        scene.renderer->grabShownPixels(HeadlessScene::Width, HeadlessScene::Height);
    EXPECT_EQ(shown.width(), HeadlessScene::Width);
    EXPECT_TRUE(near(shown.pixel(100, 75), {200, 0, 0}));

    // A smaller region is the picture's top-left corner; a larger one is clipped.
    const RgbImage whole = scene.drawFrame(1.0);
    const RgbImage corner = scene.renderer->readPixels(120, 140);
    ASSERT_EQ(corner.width(), 120);
    ASSERT_EQ(corner.height(), 140);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{119, 139}, std::pair{60, 130}}) {
        EXPECT_EQ(corner.pixel(x, y), whole.pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(scene.renderer->grabShownPixels(500, 500).height(), HeadlessScene::Height);
}

TEST(RenderPicture, ProjectionOfAZeroHeightPanelIsKept) {
    HeadlessScene scene;
    GLdouble before[16];
    GLdouble after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, before);
    EXPECT_FALSE(scene.renderer->setProjection(HeadlessScene::Width, 0));
    EXPECT_FALSE(scene.renderer->setProjection(0, HeadlessScene::Height));
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(before[i], after[i]);
    }
    scene.view.zoomAngle = 2.0;
    EXPECT_TRUE(scene.renderer->setProjection(HeadlessScene::Width, HeadlessScene::Height));
    scene.view.zoomAngle = 175.0;
    EXPECT_TRUE(scene.renderer->setProjection(HeadlessScene::Width, HeadlessScene::Height));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(RenderPicture, DeepPlantsDrawEveryLevelInPlace) {
    // A stem of 60 levels passes the pipeline's 32-matrix stack; its top must still show
    // where the walk puts it.
    HeadlessScene scene;
    scene.plant.nodeCount = 0;
    for (int level = 1; level <= 60; ++level) {
        PlantNode& node = appendNode(scene.plant);
        node = PlantNode{};
        node.kind = OrganKind::Internode;
        node.parent = level - 1;
        node.level = level;
        node.angleZ = 1.5f;
    }
    scene.plant.mainStemCount = 60;
    scene.plant.maxLevel = 60;
    scene.parameters.internodeLength = 0.02;
    scene.parameters.nodeDiameter = 6.0;
    scene.parameters.internodeDiameterReduce = 1.0;
    scene.curves.setCurve(GrowthOrgan::All, 0.0, 10.0, 0.0, 0.0);
    scene.materials.internodeColor = {255, 0, 0};
    const RgbImage image = scene.drawFrame(1.0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    RecordingTarget recording;
    PlantWalk(scene, scene.clock).draw(recording, 1.0);
    const Vector3 top = recording.organs().back().upperEnd();
    int column = 0;
    int row = 0;
    ASSERT_TRUE(scene.project(top.x, top.y, top.z, column, row));
    const RgbColor tip = brightestAround(image, column, row);
    // Red, lit with the surface's white highlight.
    EXPECT_GT(tip.red, 60);
    EXPECT_GT(tip.red, tip.green + 40);
}
