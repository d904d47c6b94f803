#include "HeadlessScene.h"

#include "components/BuiltInShapes.h"
#include "frame/FrameScene.h"
#include "imageio/BmpWriter.h"
#include "render/RendererCanvas.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>

namespace burgeon {

HeadlessScene::HeadlessScene() {
    leaf = builtInLeaf();
    flower = builtInPetal();
    renderer = std::make_unique<Renderer>(context, *this, clock);
    renderer->initialize("no-such-grass.bmp");
    renderer->setProjection(Width, Height);
}

void HeadlessScene::buildSmallPlant() {
    auto add = [this](OrganKind kind, int parent, int level, float angleZ, bool hasLeaf,
                      bool hasFlower) {
        PlantNode& node = appendNode(plant);
        const int index = plant.nodeCount;
        node = PlantNode{};
        node.kind = kind;
        node.parent = parent;
        node.level = level;
        node.angleZ = angleZ;
        node.hasLeaf = hasLeaf ? 1 : 0;
        node.hasFlower = hasFlower ? 1 : 0;
        return index;
    };
    plant.nodeCount = 0;
    const int base = add(OrganKind::Internode, 0, 1, 0.01f, false, false);
    add(OrganKind::Petiole, base, 2, 45.0f, true, false);
    const int middle = add(OrganKind::Internode, base, 2, 0.02f, false, false);
    add(OrganKind::Petiole, middle, 3, -45.0f, true, false);
    const int top = add(OrganKind::Internode, middle, 3, 0.01f, false, false);
    add(OrganKind::Apex, top, 4, 0.0f, false, true);
    plant.mainStemCount = 4;
    plant.maxLevel = 4;
}

RgbImage HeadlessScene::drawFrame(double t) {
    RendererCanvas canvas(*this, *renderer, Width, Height);
    drawScene(canvas, *this, t);
    glFinish();
    return renderer->readPixels(Width, Height);
}

bool HeadlessScene::project(double x, double y, double z, int& column, int& row) const {
    GLdouble model[16];
    GLdouble projection[16];
    GLint viewport[4];
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    renderer->applyViewTransform();
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx = 0;
    GLdouble wy = 0;
    GLdouble wz = 0;
    if (gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz) != GL_TRUE) {
        return false;
    }
    column = static_cast<int>(wx);
    row = Height - 1 - static_cast<int>(wy);
    return column >= 0 && column < Width && row >= 0 && row < Height;
}

int differingPixels(const RgbImage& a, const RgbImage& b, int tolerance) {
    if (a.width() != b.width() || a.height() != b.height()) {
        return a.width() * a.height() + 1;
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const RgbColor p = a.pixel(x, y);
            const RgbColor q = b.pixel(x, y);
            if (std::abs(p.red - q.red) > tolerance || std::abs(p.green - q.green) > tolerance ||
                std::abs(p.blue - q.blue) > tolerance) {
                ++count;
            }
        }
    }
    return count;
}

::testing::AssertionResult imagesClose(const RgbImage& actual, const RgbImage& expected,
                                       const std::string& name, int tolerance, int allowedPixels) {
    const int differing = differingPixels(actual, expected, tolerance);
    if (differing <= allowedPixels) {
        return ::testing::AssertionSuccess();
    }
    writeBmpFile(name + ".actual.bmp", actual);
    writeBmpFile(name + ".expected.bmp", expected);
    if (actual.width() == expected.width() && actual.height() == expected.height()) {
        RgbImage difference(actual.width(), actual.height(), {0, 0, 0});
        for (int y = 0; y < actual.height(); ++y) {
            for (int x = 0; x < actual.width(); ++x) {
                const RgbColor p = actual.pixel(x, y);
                const RgbColor q = expected.pixel(x, y);
                difference.setPixel(x, y,
                                    {std::min(255, 4 * std::abs(p.red - q.red)),
                                     std::min(255, 4 * std::abs(p.green - q.green)),
                                     std::min(255, 4 * std::abs(p.blue - q.blue))});
            }
        }
        writeBmpFile(name + ".difference.bmp", difference);
    }
    return ::testing::AssertionFailure()
           << differing << " pixels differ by more than " << tolerance << " (allowed "
           << allowedPixels << "); images written as " << name << ".*.bmp";
}

} // namespace burgeon
