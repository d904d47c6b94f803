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
    return view_->drawPicture(time);
}

void PlantCamera::forget() {
    view_.reset();
    plant_ = nullptr;
}

} // namespace burgeon
