#pragma once

#include "base/StandardError.h"
#include "base/UserInterface.h"

#include <new>
#include <utility>

namespace burgeon {

// The text shown when a handler ran out of memory.
inline constexpr const char* NotEnoughMemoryText = "Not enough memory to complete this action.";

// The guard at every handler's entry: a StandardError ends the handler, restores the normal
// cursor and shows its text; the state stays as it was at that moment. Running out of memory
// ends it the same way with NotEnoughMemoryText (files being written are left as they were).
// Returns false when the handler ended that way.
template <typename Handler> bool runHandler(UserInterface& ui, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const StandardError& error) {
        ui.setBusyCursor(false);
        ui.showMessage(error.what());
        return false;
    } catch (const std::bad_alloc&) {
        ui.setBusyCursor(false);
        ui.showMessage(NotEnoughMemoryText);
        return false;
    }
}

} // namespace burgeon
