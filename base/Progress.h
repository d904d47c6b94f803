#pragma once

#include <functional>

namespace burgeon {

// Told how far a long action has come, in percent; a page moves its progress bar with it.
using ProgressCallback = std::function<void(int percent)>;

inline void reportProgress(const ProgressCallback& progress, int percent) {
    if (progress) {
        progress(percent);
    }
}

} // namespace burgeon
