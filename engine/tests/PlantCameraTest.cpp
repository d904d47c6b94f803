#include "engine/PlantCamera.h"
#include "engine/Pictures.h"
#include "engine/StopCondition.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <thread>

using namespace burgeon;

namespace {

HeadlessPlant examplePlant(int block) {
    PlantRecipe recipe;
    recipe.lsystemFile = burgeon::testing::exampleLsystems();
    recipe.block = block;
    recipe.growth = {burgeon::testing::internodeGrowth()};
    recipe.seed = 1;
    HeadlessPlant plant;
    EXPECT_TRUE(openPlant(recipe, plant, StopCondition()).completed());
    return plant;
}

} // namespace

TEST(PlantCamera, EveryPictureIsTheOneAFreshViewDraws) {
    HeadlessPlant plant = examplePlant(2);
    PlantCamera camera;
    for (const double time : {30.0, 60.0, 30.0}) {
        EXPECT_EQ(camera.picture(plant, time, {96, 72}), drawPlantPicture(plant, time, {96, 72}))
            << time;
    }
    const RgbImage larger = camera.picture(plant, 60.0, {120, 90});
    EXPECT_EQ(larger.width(), 120);
    EXPECT_EQ(larger, drawPlantPicture(plant, 60.0, {120, 90}));
}

// Each view draws into its own context, whichever view drew last on the thread (and whichever
// context was made and ended since).
TEST(PlantCamera, TwoCamerasTakeTurnsOnOneThread) {
    HeadlessPlant first = examplePlant(2);
    HeadlessPlant second = examplePlant(6);
    const RgbImage firstAlone = drawPlantPicture(first, 60.0, {96, 72});
    const RgbImage secondAlone = drawPlantPicture(second, 60.0, {80, 60});
    PlantCamera firstCamera;
    PlantCamera secondCamera;
    for (int turn = 0; turn < 2; ++turn) {
        EXPECT_EQ(firstCamera.picture(first, 60.0, {96, 72}), firstAlone) << turn;
        EXPECT_EQ(secondCamera.picture(second, 60.0, {80, 60}), secondAlone) << turn;
    }
}

// A context can be current on one thread only: a camera gives its context back after each
// picture, so that the next may be drawn on another thread.
TEST(PlantCamera, PicturesOneAfterAnotherOnDifferentThreads) {
    HeadlessPlant plant = examplePlant(2);
    const RgbImage alone = drawPlantPicture(plant, 60.0, {96, 72});
    PlantCamera camera;
    EXPECT_EQ(camera.picture(plant, 60.0, {96, 72}), alone);
    for (int turn = 0; turn < 2; ++turn) {
        RgbImage drawn;
        std::thread([&] { drawn = camera.picture(plant, 60.0, {96, 72}); }).join();
        EXPECT_EQ(drawn, alone) << turn;
    }
    EXPECT_EQ(camera.picture(plant, 60.0, {96, 72}), alone);
}
