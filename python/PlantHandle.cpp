#include "python/PlantHandle.h"

#include "python/Errors.h"

namespace burgeon::python {

PlantAccess::PlantAccess(PlantHandle& handle)
    : handle_(handle), lock_(handle.lock, std::defer_lock) {
    if (handle.holder.load() == std::this_thread::get_id()) {
        raiseError("Error", "the plant is busy with the work whose callback asks for it");
    }
    release_.emplace();
    lock_.lock();
    handle_.holder = std::this_thread::get_id();
}

PlantAccess::~PlantAccess() {
    handle_.holder = std::thread::id();
}

} // namespace burgeon::python
