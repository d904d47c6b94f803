#pragma once

// A frame canvas without OpenGL that records what a frame asks of it.

#include "frame/FrameCanvas.h"

#include <string>
#include <vector>

namespace burgeon::testing {

class FakeCanvas : public FrameCanvas {
public:
    void beginFrame() override { calls.push_back("begin"); }
    void applyViewTransform() override { calls.push_back("camera"); }
    void drawLand() override { calls.push_back("land"); }
    void drawAxes() override { calls.push_back("axes"); }
    void rotateTurntable(double degrees) override {
        calls.push_back("turn " + std::to_string(degrees));
    }
    void drawPlant(double time) override {
        calls.push_back("plant");
        plantTimes.push_back(time);
    }
    void endFrame() override {
        calls.push_back("swap");
        ++shownFrame;
    }
    // The shown picture is painted in a colour that names the frame it comes from.
    RgbImage grabShownPixels(int grabWidth, int grabHeight) override {
        calls.push_back("grab " + std::to_string(grabWidth) + "x" + std::to_string(grabHeight));
        RgbImage image(grabWidth, grabHeight, shownColor(shownFrame));
        image.setPixel(0, 0, {255, 255, 255});
        return image;
    }
    int panelWidth() const override { return panelPixelsWide; }
    int panelHeight() const override { return panelPixelsHigh; }
    void setCaption(const std::string& text) override { caption = text; }

    static RgbColor shownColor(int frame) { return {(frame * 7) % 256, 120, (frame * 3) % 256}; }

    std::vector<std::string> calls;
    std::vector<double> plantTimes;
    std::string caption;
    int shownFrame = 0;
    int panelPixelsWide = 45;
    int panelPixelsHigh = 37;
};

} // namespace burgeon::testing
