#pragma once

#include "engine/Outcome.h"

#include <pybind11/pybind11.h>

#include <optional>
#include <string>

namespace burgeon::python {

namespace py = pybind11;

// The module's pure-Python part (burgeon._support): its exceptions, tables and mappings.
py::module_ support();

// Sets the Python error of the burgeon exception class named className with the text (for an
// exception translator, which sets the error and returns).
void setError(const char* className, const std::string& text);

// Raises the burgeon exception class named className with the text.
[[noreturn]] void raiseError(const char* className, const std::string& text);

// Raises why the outcome did not complete, with all its notices (warnings are issued first):
// FileError when its texts say a file cannot be read or written, InputError otherwise. A
// stopped outcome raises TimeLimitError naming `what` stopped ("the compilation") after
// max_seconds; an interrupted one is left to the Python exception that interrupted it.
[[noreturn]] void raiseFailure(const Outcome& outcome, const std::string& what = "the work",
                               std::optional<double> maxSeconds = std::nullopt);

// "WHAT stopped: it took longer than max_seconds=S".
[[noreturn]] void raiseTimeLimit(const std::string& what, std::optional<double> maxSeconds);

// Issues the outcome's warnings as BurgeonWarning, in order.
void warnNotices(const Outcome& outcome);

// The engine's errors as burgeon's exceptions: a refused request as InputError, a standard text
// as FileError or InputError (by what it says), no OpenGL context as RenderError.
void registerErrorTranslators();

} // namespace burgeon::python
