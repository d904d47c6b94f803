#include "engine/ReportedMessages.h"

#include "base/MessagePlace.h"

namespace burgeon {

ReportedMessages placeMessages(const Messages& messages, const std::string& fileName,
                               std::size_t firstLine) {
    ReportedMessages placed;
    placed.reserve(messages.size());
    for (const Message& message : messages) {
        placed.push_back(
            {message.kind, message.text, messagePlace(message.line, fileName, firstLine)});
    }
    return placed;
}

} // namespace burgeon
