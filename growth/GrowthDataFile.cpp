#include "growth/GrowthDataFile.h"

#include "base/StandardError.h"

namespace burgeon {

std::string readGrowthDataFile(const std::string& fileName) {
    const FileContent content = readRegularFile(fileName, GrowthDataFileLimit.bytes);
    switch (content.status) {
    case FileReadStatus::Read:
        return growthDataText(content.bytes);
    case FileReadStatus::NotFound:
        throw StandardError::fileNotFound();
    case FileReadStatus::NotRegularFile:
        throw StandardError::cannotOpenFile(fileName);
    case FileReadStatus::TooLarge:
        throw StandardError::fileTooLarge(fileName, GrowthDataFileLimit);
    case FileReadStatus::SystemError:
        break;
    }
    throw StandardError::ioError(content.systemError);
}

std::string growthDataText(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\x1a')));
}

} // namespace burgeon
