#include "engine/PlantCamera.h"

#include "render/HeadlessView.h"

namespace burgeon {

PlantCamera::PlantCamera() = default;

PlantCamera::~PlantCamera() = default;

RgbImage PlantCamera::picture(HeadlessPlant& plant, double time, PictureSize size) {
    if (!view_ || plant_ != &plant || view_->size() != size) {
        view_.reset();
        view_ = std::make_unique<HeadlessView>(plant.project, plant.clock, size);
        plant_ = &plant;
    }
    RgbImage drawn = view_->drawPicture(time);
    // The next picture may be asked for on another thread.
    view_->context().releaseCurrent();
    return drawn;
}

void PlantCamera::forget() {
    view_.reset();
    plant_ = nullptr;
}

} // namespace burgeon
