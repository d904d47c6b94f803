#pragma once

#include "engine/StopCondition.h"

#include <optional>
#include <string>

namespace burgeon {

// How long a command lets its long work (a compilation, a capture run, an export) go on: until
// Ctrl-C, or past --max-seconds for a compilation. Ctrl-C is caught only while the watch
// lives, so it still ends the rest of a command at once.
class CompileWatch {
public:
    explicit CompileWatch(std::optional<double> maxSeconds);
    ~CompileWatch();
    CompileWatch(const CompileWatch&) = delete;
    CompileWatch& operator=(const CompileWatch&) = delete;

    // Stops at Ctrl-C or when the time is up.
    const StopCondition& compilation() const { return compilation_; }
    // Stops at Ctrl-C only.
    const StopCondition& work() const { return work_; }

    // Why work stopped, as the command says it after "the compilation stopped: ".
    std::string reason(StopCause cause) const;

private:
    std::optional<double> maxSeconds_;
    StopCondition compilation_;
    StopCondition work_;
    void (*previousHandler_)(int) = nullptr;
};

} // namespace burgeon
