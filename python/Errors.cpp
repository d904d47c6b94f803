#include "python/Errors.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "engine/FileFaults.h"
#include "engine/RequestChecks.h"
#include "render/HeadlessContext.h"

#include <algorithm>

namespace burgeon::python {

namespace {

const char* kindName(Notice::Kind kind) {
    switch (kind) {
    case Notice::Kind::Message:
        return "message";
    case Notice::Kind::Warning:
        return "warning";
    case Notice::Kind::Failure:
        return "failure";
    case Notice::Kind::Detail:
        return "detail";
    }
    return "message";
}

const char* standardErrorClass(const std::string& text) {
    return isFileFault(text) ? "FileError" : "InputError";
}

} // namespace

py::module_ support() {
    // Kept for the life of the process: the interpreter may be gone when statics end.
    static const auto* module = new py::module_(py::module_::import("burgeon._support"));
    return *module;
}

void setError(const char* className, const std::string& text) {
    const py::object type = support().attr(className);
    const py::object error = type(text);
    PyErr_SetObject(type.ptr(), error.ptr());
}

void raiseError(const char* className, const std::string& text) {
    setError(className, text);
    throw py::error_already_set();
}

void warnNotices(const Outcome& outcome) {
    const py::object category = support().attr("BurgeonWarning");
    for (const Notice& notice : outcome.notices) {
        // Told at the caller's line; a warning filter may turn it into an error.
        if (notice.kind == Notice::Kind::Warning &&
            PyErr_WarnEx(category.ptr(), notice.text.c_str(), 1) != 0) {
            throw py::error_already_set();
        }
    }
}

void raiseTimeLimit(const std::string& what, std::optional<double> maxSeconds) {
    raiseError("TimeLimitError", what + " stopped: it took longer than max_seconds=" +
                                     formatGeneral(maxSeconds.value_or(0.0)));
}

void raiseFailure(const Outcome& outcome, const std::string& what,
                  std::optional<double> maxSeconds) {
    warnNotices(outcome);
    if (outcome.ending == Outcome::Ending::Stopped) {
        if (outcome.stopCause == StopCause::Interrupted) {
            PyErr_SetNone(PyExc_KeyboardInterrupt);
            throw py::error_already_set();
        }
        raiseTimeLimit(what, maxSeconds);
    }
    const bool fileFault =
        std::any_of(outcome.notices.begin(), outcome.notices.end(), [](const Notice& notice) {
            return notice.kind != Notice::Kind::Warning && isFileFault(notice.text);
        });
    py::list notices;
    for (const Notice& notice : outcome.notices) {
        notices.append(py::make_tuple(kindName(notice.kind), notice.text, notice.place));
    }
    const py::object type = support().attr(fileFault ? "FileError" : "InputError");
    const py::object error = type.attr("_from_notices")(notices);
    PyErr_SetObject(type.ptr(), error.ptr());
    throw py::error_already_set();
}

void registerErrorTranslators() {
    // pybind11's translator type takes the exception by value.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) {
                std::rethrow_exception(thrown);
            }
        } catch (const RequestError& error) {
            setError("InputError", error.what());
        } catch (const StandardError& error) {
            setError(standardErrorClass(error.what()), error.what());
        } catch (const HeadlessContextError& error) {
            setError("RenderError", std::string("no OpenGL context: ") + error.what());
        }
    });
}

} // namespace burgeon::python
