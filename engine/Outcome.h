#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace burgeon {

// One thing an engine call has to tell the person, in the order it arose.
struct Notice {
    enum class Kind {
        Message, // a reader's, the compiler's or the fit's message
        Warning, // something left out or taken as its default; the work went on
        Failure, // why the call did not complete
        Detail,  // a standard text as it stands (a file that cannot be read, and where)
    };
    Kind kind = Kind::Message;
    std::string text;
    std::string place; // "in line 7 of leaf.txt", when it is known
    friend bool operator==(const Notice&, const Notice&) = default;
};

// Why work stopped before its end.
enum class StopCause { None, Interrupted, TimeLimit };

// How an engine call ended: completed, stopped (interrupted or out of time), failed at a
// message, or refused because what was asked for cannot be done (an L-system block the file
// does not hold, a library entry past its end: the caller's mistake, not the input's).
struct Outcome {
    enum class Ending { Completed, Stopped, Failed, BadRequest };
    Ending ending = Ending::Completed;
    std::vector<Notice> notices;
    StopCause stopCause = StopCause::None;

    bool completed() const { return ending == Ending::Completed; }
    void add(Notice::Kind kind, std::string text, std::string place = {}) {
        notices.push_back({kind, std::move(text), std::move(place)});
    }
    // Ends the outcome with why it failed.
    Outcome& fail(std::string text) {
        ending = Ending::Failed;
        add(Notice::Kind::Failure, std::move(text));
        return *this;
    }
    Outcome& refuse(std::string text) {
        ending = Ending::BadRequest;
        add(Notice::Kind::Failure, std::move(text));
        return *this;
    }
    // The failure's text, or the last notice's when there is no failure line.
    std::string failureText() const {
        const auto failure =
            std::find_if(notices.rbegin(), notices.rend(),
                         [](const Notice& notice) { return notice.kind == Notice::Kind::Failure; });
        if (failure != notices.rend()) {
            return failure->text;
        }
        return notices.empty() ? std::string() : notices.back().text;
    }
};

} // namespace burgeon
