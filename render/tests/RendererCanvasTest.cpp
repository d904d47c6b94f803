#include "render/RendererCanvas.h"

#include "frame/FrameScene.h"
#include "project/PlantProject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace burgeon;

// The desktop view's canvas before its rendering context exists: frames draw nothing, yet the
// caption reaches the window and a capture grabs a picture in the background colour.
TEST(RendererCanvas, WithoutARendererFramesStillSetTheCaptionAndGrabTheBackground) {
    PlantProject project;
    project.materials.backgroundColor = {12, 34, 56};
    project.view.showAxes = true;
    RendererCanvas canvas(project);
    canvas.setPanelSize(45, 37);
    std::vector<std::string> captions;
    canvas.captionChanged = [&](const std::string& caption) { captions.push_back(caption); };

    drawScene(canvas, project, 500.0); // past the turntable's start, axes shown
    canvas.endFrame();
    canvas.setCaption("Plant Visualization at 500");
    EXPECT_EQ(captions, std::vector<std::string>{"Plant Visualization at 500"});
    EXPECT_EQ(canvas.panelWidth(), 45);
    EXPECT_EQ(canvas.panelHeight(), 37);

    const RgbImage shown = canvas.grabShownPixels(40, 32);
    ASSERT_EQ(shown.width(), 40);
    ASSERT_EQ(shown.height(), 32);
    EXPECT_EQ(shown.pixel(0, 0), (RgbColor{12, 34, 56}));
    EXPECT_EQ(shown.pixel(39, 31), (RgbColor{12, 34, 56}));
    EXPECT_EQ(canvas.grabShownPixels(-3, 5).width(), 0);
}
