#include "base/StandardError.h"

#include "base/FileIo.h"
#include "base/PrintableText.h"

namespace burgeon {

StandardError StandardError::notAnInteger(std::string_view text) {
    return StandardError("'" + printableField(text) + "' is not a valid integer value");
}

StandardError StandardError::notAFloat(std::string_view text) {
    return StandardError("'" + printableField(text) + "' is not a valid floating point value");
}

StandardError StandardError::invalidFloatOperation() {
    return StandardError("Invalid floating point operation");
}

StandardError StandardError::cannotOpenFile(std::string_view fileName) {
    return StandardError("Cannot open file " + std::string(fileName));
}

StandardError StandardError::cannotCreateFile(std::string_view fileName) {
    return StandardError("Cannot create file " + std::string(fileName));
}

StandardError StandardError::fileNotFound() {
    return StandardError("File not found");
}

StandardError StandardError::ioError(int code) {
    return StandardError("I/O error " + std::to_string(code));
}

StandardError StandardError::fileTooLarge(std::string_view fileName, const FileSizeLimit& limit) {
    return StandardError("File " + std::string(fileName) + " is larger than " +
                         formatByteSize(limit.bytes) + ", the limit for " + limit.kind + ".");
}

} // namespace burgeon
