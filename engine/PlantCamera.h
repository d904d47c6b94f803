#pragma once

#include "engine/PlantRecipe.h"
#include "imageio/PictureSize.h"
#include "imageio/RgbImage.h"

#include <memory>

namespace burgeon {

class HeadlessView;

// Pictures of one plant, one after another, on a headless view kept between them: only a
// picture of another size sets up a new view. A view takes the plant's textures and
// projection when it is set up, so the camera is told to forget it whenever the plant
// changes; the plant must stay where it is while the camera keeps a view of it. Pictures may be
// drawn on different threads, one at a time.
class PlantCamera {
public:
    PlantCamera();
    ~PlantCamera();
    PlantCamera(const PlantCamera&) = delete;
    PlantCamera& operator=(const PlantCamera&) = delete;

    // The plant at a time, drawn as drawPlantPicture draws it. Throws HeadlessContextError when
    // no OpenGL context can be had.
    RgbImage picture(HeadlessPlant& plant, double time, PictureSize size);
    void forget();

private:
    std::unique_ptr<HeadlessView> view_;
    const HeadlessPlant* plant_ = nullptr;
};

} // namespace burgeon
