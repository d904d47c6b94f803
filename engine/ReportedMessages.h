#pragma once

#include "base/Message.h"

#include <cstddef>
#include <string>
#include <vector>

namespace burgeon {

// A message of a compilation or a fit as the command line prints it: its kind and text, and
// the place in the file it arose in ("in line 7 of leaf.txt") when that is known.
struct ReportedMessage {
    MessageKind kind = MessageKind::Information;
    std::string text;
    std::string place;
    friend bool operator==(const ReportedMessage&, const ReportedMessage&) = default;
};

using ReportedMessages = std::vector<ReportedMessage>;

// The messages with their places in fileName, whose line firstLine is the first line the
// reader saw (an L-system block of a larger file).
ReportedMessages placeMessages(const Messages& messages, const std::string& fileName,
                               std::size_t firstLine = 1);

} // namespace burgeon
