#include "engine/Pictures.h"

#include "drawing/PlantWalk.h"
#include "render/HeadlessView.h"

namespace burgeon {

RgbImage drawPlantPicture(HeadlessPlant& plant, double time, PictureSize size) {
    HeadlessView view(plant.project, plant.clock, size);
    return view.drawPicture(time);
}

std::vector<RecordedOrgan> plantOrgans(HeadlessPlant& plant, double time) {
    RecordingTarget recording;
    PlantWalk(plant.project, plant.clock).draw(recording, time);
    return recording.organs();
}

std::vector<OrganTableRow> plantOrganTable(HeadlessPlant& plant, double time) {
    RecordingTarget recording;
    PlantWalk(plant.project, plant.clock).draw(recording, time);
    return organTableRows(recording.organs());
}

} // namespace burgeon
