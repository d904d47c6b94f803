#include "mesh/ProjectMeshExport.h"

#include "base/DataFolder.h"
#include "base/StandardError.h"
#include "imageio/BmpReader.h"
#include "mesh/MeshExport.h"
#include "project/PlantProject.h"

namespace burgeon {

namespace {

// The walks take most of an export; the writing the rest.
constexpr int BuiltPercent = 80;

} // namespace

bool formatHoldsAnimation(const std::string& fileName) {
    const auto format = meshFormatOf(fileName);
    return format && meshFormatInfo(*format).animates;
}

double captureFramesPerSecond(const PlantProject& project) {
    const int delay = project.animation.capture.delay;
    return delay > 0 ? 100.0 / delay : 100.0;
}

MeshExportSummary exportProjectMesh(const PlantProject& project, Clock& clock,
                                    const MeshExportRequest& request,
                                    const ProgressCallback& progress) {
    requireMeshFormat(request.fileName);
    if (request.growth && !formatHoldsAnimation(request.fileName)) {
        throw StandardError("Cannot write " + request.fileName + ": a growth animation needs a " +
                            meshExtensionList(true) + " file");
    }
    reportProgress(progress, 0);
    const std::optional<BitmapPixels> landPicture =
        readBitmapFile(findDataFile(request.landPictureFile));
    MeshExportInputs inputs = projectExportInputs(
        project, clock, landPicture ? &*landPicture : nullptr, request.withLand);
    inputs.exportedFile = request.fileName;
    const ProgressCallback building = [&progress](int percent) {
        reportProgress(progress, percent * BuiltPercent / 100);
    };
    const MeshScene scene = request.growth ? buildGrowthMesh(inputs, *request.growth, building)
                                           : buildPlantMesh(inputs, request.time, building);
    reportProgress(progress, BuiltPercent);
    writeMeshFile(request.fileName, scene);
    reportProgress(progress, 100);

    MeshExportSummary summary;
    summary.files = meshFileNames(request.fileName, scene);
    summary.organs = scene.organs.size();
    summary.frames = scene.animation ? scene.animation->keyTimes.size() : 0;
    return summary;
}

} // namespace burgeon
