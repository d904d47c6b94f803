#pragma once

#include "drawing/OrganTable.h"
#include "drawing/RecordingTarget.h"
#include "engine/PlantRecipe.h"
#include "imageio/PictureSize.h"
#include "imageio/RgbImage.h"

#include <string>
#include <vector>

namespace burgeon {

// The plant at a time drawn headless at a size. Throws HeadlessContextError when no OpenGL
// context can be had.
RgbImage drawPlantPicture(HeadlessPlant& plant, double time, PictureSize size);

// Every segment, leaf and flower drawn at a time, in drawing order (the organ table).
std::vector<RecordedOrgan> plantOrgans(HeadlessPlant& plant, double time);

// The organ table at a time: the rows of plantOrgans, as render --organs lists them.
std::vector<OrganTableRow> plantOrganTable(HeadlessPlant& plant, double time);

// The organs drawn at a time: every organ of the table that has a size at that time.
int organsDrawn(const std::vector<RecordedOrgan>& organs);

} // namespace burgeon
