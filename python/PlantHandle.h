#pragma once

#include "engine/PlantCamera.h"
#include "engine/PlantRecipe.h"
#include "engine/PlantSettings.h"

#include <pybind11/pybind11.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

namespace burgeon::python {

namespace py = pybind11;

// What a burgeon.Plant holds: the engine's plant, how messages name it, and the camera that
// keeps a view of it between pictures. Engine work on it runs with the GIL released and the
// plant's lock taken (PlantAccess), so that Python threads may share a plant.
struct PlantHandle {
    HeadlessPlant plant;
    PlantNames names;
    PlantCamera camera;
    std::mutex lock;
    // The thread that holds the lock, while one does.
    std::atomic<std::thread::id> holder;
};

// The plant's lock for one engine call: made with the GIL held, it releases the GIL and takes
// the lock; ending, it gives the lock back and takes the GIL again. A call made from a callback
// of the plant's own running work (its thread holds the lock already) is refused with
// burgeon.Error.
class PlantAccess {
public:
    explicit PlantAccess(PlantHandle& handle);
    ~PlantAccess();
    PlantAccess(const PlantAccess&) = delete;
    PlantAccess& operator=(const PlantAccess&) = delete;

private:
    PlantHandle& handle_;
    std::optional<py::gil_scoped_release> release_;
    std::unique_lock<std::mutex> lock_;
};

} // namespace burgeon::python
