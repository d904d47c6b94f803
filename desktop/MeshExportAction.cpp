#include "desktop/MeshExportAction.h"

#include "mesh/MeshFormats.h"

#include "base/HandlerGuard.h"
#include "base/NumberText.h"
#include "mesh/ProjectMeshExport.h"

#include <filesystem>

namespace burgeon {

MeshExportAction::MeshExportAction(PlantProject& project, Clock& clock, UserInterface& ui)
    : tick([&clock] { return clock.tickMilliseconds(); }), project_(project), clock_(clock),
      ui_(ui) {}

void MeshExportAction::exportWithDialog() {
    runHandler(ui_, [this] {
        // The first format of the table when the name gives none.
        const std::string defaultExtension = "." + std::string(meshFormats().front().extension);
        const std::string suggested = fileName_.empty() ? "plant" + defaultExtension : fileName_;
        if (auto file = ui_.saveFileDialog(".", meshFileFilter(), suggested)) {
            if (std::filesystem::path(*file).extension().empty()) {
                *file += defaultExtension;
            }
            exportTo(*file);
        }
    });
}

bool MeshExportAction::exportTo(const std::string& fileName) {
    MeshExportRequest request;
    request.fileName = fileName;
    request.time = project_.animation.currentTime;
    const std::int64_t start = tick();
    const ProgressCallback progress = [this, start](int percent) {
        if (tick() - start > ProgressDelayMilliseconds) {
            ui_.setStatusText("Exporting mesh\u2026 " + std::to_string(percent) + "%");
        }
    };
    MeshExportSummary summary;
    const bool written = runHandler(ui_, [&] {
        BusyCursor busy(ui_);
        summary = exportProjectMesh(project_, clock_, request, progress);
    });
    if (!written) {
        ui_.setStatusText("");
        return false;
    }
    fileName_ = fileName;
    ui_.setStatusText(std::filesystem::path(fileName).filename().string() + ": " +
                      std::to_string(summary.organs) + " organs at time " +
                      formatGeneral(request.time));
    return true;
}

} // namespace burgeon
