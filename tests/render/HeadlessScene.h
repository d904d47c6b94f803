#pragma once

#include "base/Clock.h"
#include "imageio/RgbImage.h"
#include "project/PlantProject.h"
#include "render/HeadlessContext.h"
#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace burgeon {

// A renderer on a small headless context with the start-up values of everything it reads, and
// the built-in leaf and petal.
struct HeadlessScene : PlantProject {
    static constexpr int Width = 200;
    static constexpr int Height = 150;

    HeadlessScene();

    // A small plant: a main stem of three internodes with two leaf-bearing petioles and a
    // flowering apex.
    void buildSmallPlant();
    RgbImage drawFrame(double t);
    // Window coordinates (top row 0) of a scene point under the current camera.
    bool project(double x, double y, double z, int& column, int& row) const;

    GrowthCurves& curves = growth.curves;
    FixedClock clock;
    HeadlessContext context{Width, Height};
    std::unique_ptr<Renderer> renderer;
};

// Pixels whose channels differ from the reference by more than the tolerance.
int differingPixels(const RgbImage& a, const RgbImage& b, int tolerance);

// Compares with a tolerance; on failure writes "<name>.actual.bmp", "<name>.expected.bmp"
// and "<name>.difference.bmp" beside the test for inspection.
::testing::AssertionResult imagesClose(const RgbImage& actual, const RgbImage& expected,
                                       const std::string& name, int tolerance = 2,
                                       int allowedPixels = 0);

} // namespace burgeon
