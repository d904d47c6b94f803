#pragma once

#include "base/Progress.h"
#include "engine/Outcome.h"
#include "engine/StopCondition.h"
#include "mesh/ProjectMeshExport.h"

namespace burgeon {

class Clock;
struct PlantProject;

// A plant's mesh export (exportProjectMesh) that the stop condition can end: every file is
// written, or none. A file that cannot be written fails the outcome with its standard text;
// summary tells what was written when it completed.
Outcome exportPlantMesh(const PlantProject& project, Clock& clock, const MeshExportRequest& request,
                        MeshExportSummary& summary, const ProgressCallback& progress,
                        const StopCondition& stop);

} // namespace burgeon
