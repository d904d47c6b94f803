#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace burgeon {

// The one error type a handler may throw: it carries one of the system's standard texts.
// The guard at the handler's entry shows the text in a message box.
class StandardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static StandardError notAnInteger(std::string_view text);
    static StandardError notAFloat(std::string_view text);
    static StandardError invalidFloatOperation();
    static StandardError cannotOpenFile(std::string_view fileName);
    static StandardError cannotCreateFile(std::string_view fileName);
    static StandardError fileNotFound();
    static StandardError ioError(int code);
};

} // namespace burgeon
