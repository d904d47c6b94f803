#include "base/MessagePlace.h"

namespace burgeon {

std::string messagePlace(std::size_t line, const std::string& fileName, std::size_t firstLine) {
    if (line == 0 || fileName.empty()) {
        return "";
    }
    return "in line " + std::to_string(firstLine - 1 + line) + " of " + fileName;
}

} // namespace burgeon
