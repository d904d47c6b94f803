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

// Each call makes the view's own context current first: another view may have been made,
// drawn or ended on this thread since, leaving its context current or none.
RgbImage HeadlessView::drawPicture(double time) {
    context_.makeCurrent();
    drawScene(canvas_, project_, time);
    return renderer_.readPixels(size_.width, size_.height);
}

RgbImage HeadlessView::readPixels() {
    context_.makeCurrent();
    return renderer_.readPixels(size_.width, size_.height);
}

} // namespace burgeon
