#pragma once

#include "base/UserInterface.h"

#include <cstddef>
#include <string>
#include <vector>

namespace burgeon {

// What a core function has to tell the person, in the order the desktop shows it in message
// boxes and the command line prints it. An error ends the action that reported it.
enum class MessageKind { Information, Warning, Error };

struct Message {
    MessageKind kind = MessageKind::Information;
    std::string text;
    // The line of the text being read where it arose (from 1), when the reader knows it; not
    // part of the text (the command line prints the place on a line of its own).
    std::size_t line = 0;
    friend bool operator==(const Message&, const Message&) = default;
};

using Messages = std::vector<Message>;

inline void addInformation(Messages& messages, std::string text) {
    messages.push_back({MessageKind::Information, std::move(text)});
}

inline void addError(Messages& messages, std::string text) {
    messages.push_back({MessageKind::Error, std::move(text)});
}

// The texts alone, in order.
inline std::vector<std::string> messageTexts(const Messages& messages) {
    std::vector<std::string> texts;
    texts.reserve(messages.size());
    for (const Message& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

// Shows every message in its own message box, in order.
inline void showMessages(UserInterface& ui, const Messages& messages) {
    for (const Message& message : messages) {
        ui.showMessage(message.text);
    }
}

} // namespace burgeon
