#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace burgeon {

struct FileSizeLimit;

// The one error type a handler may throw: it carries one of the system's standard texts.
// The guard at the handler's entry shows the text in a message box.
class StandardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // The field is quoted as printableField shows it: control characters and stray bytes as
    // \xHH, cut after 40 characters with "…".
    static StandardError notAnInteger(std::string_view text);
    static StandardError notAFloat(std::string_view text);
    static StandardError invalidFloatOperation();
    static StandardError cannotOpenFile(std::string_view fileName);
    static StandardError cannotCreateFile(std::string_view fileName);
    static StandardError fileNotFound();
    static StandardError ioError(int code);
    // "File %s is larger than 16 MB, the limit for text files."
    static StandardError fileTooLarge(std::string_view fileName, const FileSizeLimit& limit);

    // The line of the text being read where the error arose (counted from 1), when a reader
    // knows it; 0 otherwise. It is not part of the text: the command line names the place on
    // a line of its own.
    std::size_t lineNumber() const { return lineNumber_; }
    StandardError& atLine(std::size_t lineNumber) {
        lineNumber_ = lineNumber;
        return *this;
    }

private:
    std::size_t lineNumber_ = 0;
};

} // namespace burgeon
