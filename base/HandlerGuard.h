#pragma once

#include "base/StandardError.h"
#include "base/UserInterface.h"

#include <utility>

namespace burgeon {

// The guard at every handler's entry: a StandardError ends the handler, restores the normal
// cursor and shows its text; the state stays as it was at that moment. Returns false when the
// handler ended that way.
template <typename Handler> bool runHandler(UserInterface& ui, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const StandardError& error) {
        ui.setBusyCursor(false);
        ui.showMessage(error.what());
        return false;
    }
}

} // namespace burgeon
