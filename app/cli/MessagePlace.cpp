#include "app/cli/MessagePlace.h"

#include <ostream>

namespace burgeon {

std::string messagePlace(std::size_t line, const std::string& fileName, std::size_t firstLine) {
    if (line == 0 || fileName.empty()) {
        return "";
    }
    return "in line " + std::to_string(firstLine - 1 + line) + " of " + fileName;
}

void printMessages(std::ostream& out, const Messages& messages, const std::string& fileName,
                   std::size_t firstLine) {
    for (const Message& message : messages) {
        out << "message: " << message.text << '\n';
        if (const std::string place = messagePlace(message.line, fileName, firstLine);
            !place.empty()) {
            out << place << '\n';
        }
    }
}

} // namespace burgeon
