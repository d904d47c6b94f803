#include "components/ShapePreview.h"

#include <gtest/gtest.h>

using namespace burgeon;

namespace {

OrganShape shapeOf(const std::vector<Vector3>& points,
                   const std::vector<std::array<std::int32_t, 3>>& triangles = {}) {
    OrganShape shape;
    for (const Vector3& p : points) {
        shape.points[static_cast<std::size_t>(++shape.pointCount)] = p;
    }
    for (const auto& t : triangles) {
        shape.triangles[static_cast<std::size_t>(++shape.triangleCount)] = t;
    }
    return shape;
}

const RgbColor Blue{0, 0, 255};
const RgbColor White{255, 255, 255};

int countPixels(const RgbImage& image, RgbColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

} // namespace

TEST(ShapePreview, ScalesUseTheWidthAndLeafMargin) {
    // x from -10 to 10, y from 0 to 25.5 (rounded half to even: 26).
    const OrganShape oval = shapeOf({{0, 0, 0}, {10, 25.5, 0}, {-10, 25.5, 0}});
    const PreviewScales leaf = previewScales(oval, PreviewKind::Leaf, 185);
    EXPECT_EQ(leaf.xmin, -10);
    EXPECT_EQ(leaf.ymin, 0);
    EXPECT_EQ(leaf.sx, 185 / 30);
    EXPECT_EQ(leaf.sy, 185 / 36);
    const PreviewScales flower = previewScales(oval, PreviewKind::Flower, 185);
    EXPECT_EQ(flower.sx, 185 / 20);
    EXPECT_EQ(flower.sy, 185 / 26);

    // An extent wider than the picture gives a scale of 0, which becomes 1.
    const OrganShape huge = shapeOf({{-100, 0, 0}, {300, 500, 0}});
    EXPECT_EQ(previewScales(huge, PreviewKind::Leaf, 185).sx, 1);
    EXPECT_EQ(previewScales(huge, PreviewKind::Flower, 185).sy, 1);
    // The bounds start at 0, so a shape far from the origin still counts from there.
    const OrganShape away = shapeOf({{40, 50, 0}, {45, 55, 0}});
    EXPECT_EQ(previewScales(away, PreviewKind::Flower, 185).sx, 185 / 45);
    EXPECT_EQ(previewScales(away, PreviewKind::Flower, 185).xmin, 0);
}

TEST(ShapePreview, AllXBetweenMinusHalfAndHalfGiveScaleOne) {
    // Every x rounds to 0 (halves to even), so the x extent is 0 in both previews.
    const OrganShape thin = shapeOf({{-0.5, 0, 0}, {0.5, 10, 0}, {0.49, 20, 0}, {-0.3, 5, 0}});
    for (const PreviewKind kind : {PreviewKind::Leaf, PreviewKind::Flower}) {
        const PreviewScales scales = previewScales(thin, kind, 185);
        EXPECT_EQ(scales.sx, 1);
        EXPECT_EQ(scales.xmin, 0);
    }
    EXPECT_EQ(previewScales(thin, PreviewKind::Leaf, 185).sy, 185 / 30);
    EXPECT_EQ(previewScales(thin, PreviewKind::Flower, 185).sy, 185 / 20);
    // Without points, both extents are 0.
    EXPECT_EQ(previewScales(OrganShape{}, PreviewKind::Leaf, 185).sy, 1);
    // -2.5 rounds to -2 and -3.5 to -4.
    EXPECT_EQ(previewScales(shapeOf({{-2.5, -3.5, 0}}), PreviewKind::Flower, 185).xmin, -2);
    EXPECT_EQ(previewScales(shapeOf({{-2.5, -3.5, 0}}), PreviewKind::Flower, 185).ymin, -4);
}

TEST(ShapePreview, DrawsTheTrianglesInBlueOnWhite) {
    const OrganShape oval = shapeOf({{0, 0, 0}, {10, 25.5, 0}, {-10, 25.5, 0}}, {{1, 2, 3}});
    RgbImage image(ShapePreviewWidth, ShapePreviewHeight, {1, 2, 3});
    drawShapePreview(oval, PreviewKind::Leaf, image);
    // Leaf scales 6 and 5: P1 = (10 div 6, 153 div 5) = (1, 30), P2 = (3, 25), P3 = (0, 25).
    EXPECT_EQ(image.pixel(1, 30), Blue);
    EXPECT_EQ(image.pixel(3, 25), Blue);
    EXPECT_EQ(image.pixel(2, 25), Blue);
    EXPECT_EQ(image.pixel(0, 25), Blue);
    EXPECT_EQ(image.pixel(4, 25), White);
    EXPECT_EQ(image.pixel(100, 100), White);
    EXPECT_EQ(countPixels(image, Blue) + countPixels(image, White),
              ShapePreviewWidth * ShapePreviewHeight);

    // The flower preview of the same shape: scales 9 and 7, P1 = (1, 21), P2 = (2, 18).
    drawShapePreview(oval, PreviewKind::Flower, image);
    EXPECT_EQ(image.pixel(1, 21), Blue);
    EXPECT_EQ(image.pixel(2, 18), Blue);
    EXPECT_EQ(image.pixel(1, 30), White);
}

TEST(ShapePreview, FarPointsAreClippedWithoutOverflow) {
    const OrganShape far =
        shapeOf({{-1e300, 0, 0}, {1e300, 1e300, 0}, {0, -1e300, 0}}, {{1, 2, 3}});
    RgbImage image(ShapePreviewWidth, ShapePreviewHeight);
    drawShapePreview(far, PreviewKind::Flower, image);
    EXPECT_EQ(countPixels(image, Blue) + countPixels(image, White),
              ShapePreviewWidth * ShapePreviewHeight);
}
