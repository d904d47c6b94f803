#include "engine/MeshExports.h"
#include "engine/Pictures.h"
#include "engine/PlantFrames.h"
#include "engine/RequestChecks.h"
#include "imageio/PngWriter.h"
#include "python/Bindings.h"
#include "python/Errors.h"
#include "python/LongWork.h"
#include "python/PlantDocs.h"
#include "python/PlantHandle.h"
#include "python/Recipes.h"
#include "python/Tables.h"

#include <pybind11/stl.h>

#include <array>
#include <mutex>

namespace burgeon::python {

namespace {

using MaybeSeconds = std::optional<double>;
using Size = std::array<int, 2>;

constexpr Size NotebookPictureSize{480, 360};

// The plant's view turned as asked for one picture, and back as it was after it.
class TurnedView {
public:
    TurnedView(ViewState& view, const std::optional<std::array<double, 3>>& rotation)
        : view_(view), kept_(view) {
        if (rotation) {
            view.rotationX = (*rotation)[0];
            view.rotationY = (*rotation)[1];
            view.rotationZ = (*rotation)[2];
        }
    }
    ~TurnedView() { view_ = kept_; }
    TurnedView(const TurnedView&) = delete;
    TurnedView& operator=(const TurnedView&) = delete;

private:
    ViewState& view_;
    ViewState kept_;
};

RgbImage picture(PlantHandle& handle, std::optional<double> time, Size size,
                 const std::optional<std::vector<double>>& rotate) {
    const PictureSize checkedSize = checkedPictureSize(size[0], size[1]);
    const auto rotation = rotate ? std::optional(checkedRotation(*rotate)) : std::nullopt;
    if (time) {
        checkedTime(*time);
    }
    const PlantAccess access(handle);
    const TurnedView turned(handle.plant.project.view, rotation);
    return handle.camera.picture(
        handle.plant, time.value_or(handle.plant.project.animation.currentTime), checkedSize);
}

py::object organs(PlantHandle& handle, std::optional<double> time) {
    if (time) {
        checkedTime(*time);
    }
    std::vector<OrganTableRow> rows;
    {
        const PlantAccess access(handle);
        rows = plantOrganTable(handle.plant,
                               time.value_or(handle.plant.project.animation.currentTime));
    }
    return organTableArray(std::move(rows));
}

// The pictures of a timeline, drawn one by one as Python asks for them, of a copy of the plant
// taken when the iteration began.
class FrameIterator {
public:
    FrameIterator(const HeadlessPlant& plant, PictureSize size, const GrowthTimeline& timeline)
        : plant_(std::make_unique<HeadlessPlant>(plant)), frames_(*plant_, size, timeline) {}

    py::tuple next() {
        double time = 0.0;
        RgbImage image;
        bool drawn = false;
        {
            const py::gil_scoped_release release;
            const std::lock_guard lock(lock_);
            drawn = frames_.next(time, image);
        }
        if (!drawn) {
            throw py::stop_iteration();
        }
        return py::make_tuple(time, imageArray(std::move(image)));
    }
    std::size_t length() const { return frames_.times().size(); }

private:
    std::unique_ptr<HeadlessPlant> plant_;
    PlantFrames frames_;
    std::mutex lock_;
};

std::unique_ptr<FrameIterator> frames(PlantHandle& handle, double start, double stop, double step,
                                      Size size) {
    const PictureSize checkedSize = checkedPictureSize(size[0], size[1]);
    const PlantAccess access(handle);
    return std::make_unique<FrameIterator>(handle.plant, checkedSize,
                                           GrowthTimeline{start, stop, step, 25.0});
}

void film(PlantHandle& handle, const py::object& path, double start, double stop, double step,
          Size size, std::optional<int> fps, std::optional<int> quality, MaybeSeconds maxSeconds,
          const py::object& progress) {
    FilmRequest request;
    request.fileName = checkedVideoFile(pathText(path));
    request.size = checkedPictureSize(size[0], size[1]);
    request.timeline = {start, stop, step, 25.0};
    if (fps) {
        request.rate = checkedFrameRate(*fps);
    }
    request.quality = quality;
    if (maxSeconds) {
        checkedMaxSeconds(*maxSeconds);
    }
    LongWork work(maxSeconds, progress);
    Outcome outcome;
    {
        const PlantAccess access(handle);
        outcome = filmPlant(handle.plant, request, work.progress(), work.stop());
    }
    work.raisePending();
    if (!outcome.completed()) {
        raiseFailure(outcome, "the film", maxSeconds);
    }
}

MeshExportSummary exportMesh(PlantHandle& handle, const py::object& path,
                             std::optional<double> time,
                             const std::optional<std::vector<double>>& animate, bool land,
                             std::optional<double> fps, MaybeSeconds maxSeconds,
                             const py::object& progress) {
    MeshExportRequest request = checkedMeshExport(pathText(path), time, animate, fps, land);
    if (maxSeconds) {
        checkedMaxSeconds(*maxSeconds);
    }
    LongWork work(maxSeconds, progress);
    MeshExportSummary summary;
    Outcome outcome;
    {
        const PlantAccess access(handle);
        const PlantProject& project = handle.plant.project;
        request.time = time.value_or(project.animation.currentTime);
        if (request.growth && !fps) {
            request.growth->framesPerSecond = captureFramesPerSecond(project);
        }
        outcome = exportPlantMesh(project, handle.plant.clock, request, summary, work.progress(),
                                  work.stop());
    }
    work.raisePending();
    if (!outcome.completed()) {
        raiseFailure(outcome, "the export", maxSeconds);
    }
    return summary;
}

} // namespace

void bindPlantOutputs(py::class_<PlantHandle>& plant) {
    py::class_<FrameIterator>(plant, "Frames", FramesIteratorDoc)
        .def("__iter__", [](py::object self) { return self; })
        .def("__next__", &FrameIterator::next)
        .def("__len__", &FrameIterator::length);
    plant.def("organs", &organs, py::arg("time") = py::none(), OrgansDoc)
        .def(
            "render",
            [](PlantHandle& handle, std::optional<double> time, Size size,
               const std::optional<std::vector<double>>& rotate) {
                return imageArray(picture(handle, time, size, rotate));
            },
            py::arg("time") = py::none(), py::arg_v("size", Size{800, 600}, "(800, 600)"),
            py::arg("rotate") = py::none(), RenderDoc)
        .def("_repr_png_",
             [](PlantHandle& handle) {
                 const RgbImage image = picture(handle, std::nullopt, NotebookPictureSize, {});
                 return py::bytes(encodePng(image));
             })
        .def("frames", &frames, py::arg("start"), py::arg("stop"), py::arg("step"),
             py::arg_v("size", Size{800, 600}, "(800, 600)"), FramesDoc)
        .def("film", &film, py::arg("path"), py::arg("start"), py::arg("stop"), py::arg("step"),
             py::kw_only(), py::arg_v("size", Size{800, 600}, "(800, 600)"),
             py::arg("fps") = py::none(), py::arg("quality") = py::none(),
             py::arg("max_seconds") = py::none(), py::arg("progress") = py::none(), FilmDoc)
        .def("export", &exportMesh, py::arg("path"), py::arg("time") = py::none(), py::kw_only(),
             py::arg("animate") = py::none(), py::arg("land") = true, py::arg("fps") = py::none(),
             py::arg("max_seconds") = py::none(), py::arg("progress") = py::none(), ExportDoc);
}

} // namespace burgeon::python
