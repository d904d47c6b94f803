#include "cli/NoticePrinting.h"

#include "base/MessagePlace.h"

#include <ostream>

namespace burgeon {

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

void printNotices(std::ostream& out, const Outcome& outcome, const std::string& prefix) {
    for (const Notice& notice : outcome.notices) {
        switch (notice.kind) {
        case Notice::Kind::Message:
            out << "message: ";
            break;
        case Notice::Kind::Warning:
            out << "warning: ";
            break;
        case Notice::Kind::Failure:
            out << prefix;
            break;
        case Notice::Kind::Detail:
            break;
        }
        out << notice.text << '\n';
        if (!notice.place.empty()) {
            out << notice.place << '\n';
        }
    }
}

} // namespace burgeon
