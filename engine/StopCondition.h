#pragma once

#include "engine/Outcome.h"
#include "lsystem/StringRewriter.h"

#include <chrono>
#include <functional>
#include <optional>

namespace burgeon {

// When long work (a compilation, a capture run, an export) stops before its end: when the
// caller asks (Ctrl-C on the command line, KeyboardInterrupt in Python) or when it has taken
// longer than a number of seconds, counted from the condition's making.
class StopCondition {
public:
    explicit StopCondition(std::optional<double> maxSeconds = std::nullopt,
                           std::function<bool()> interrupted = {});

    // Whether to stop now; the first cause met is kept.
    bool stopRequested() const;
    StopCause cause() const { return cause_; }
    std::optional<double> maxSeconds() const { return maxSeconds_; }
    // The rewriting's control, which asks this condition.
    RewriteControl rewriteControl() const;

private:
    std::optional<double> maxSeconds_;
    std::function<bool()> interrupted_;
    std::chrono::steady_clock::time_point start_;
    mutable StopCause cause_ = StopCause::None;
};

} // namespace burgeon
