#include "render/HeadlessView.h"

#include "frame/FrameScene.h"

namespace burgeon {

HeadlessView::HeadlessView(PlantProject& project, Clock& clock, PictureSize size,
                           const std::string& landTexture)
    : project_(project), size_(size), context_(size.width, size.height),
      renderer_(context_, project, clock), canvas_(project, renderer_, size.width, size.height) {
    renderer_.initialize(landTexture);
    renderer_.setProjection(size.width, size.height);
}

RgbImage HeadlessView::drawPicture(double time) {
    drawScene(canvas_, project_, time);
    return readPixels();
}

RgbImage HeadlessView::readPixels() {
    return renderer_.readPixels(size_.width, size_.height);
}

} // namespace burgeon
