#include "fuzz/FuzzEntries.h"
#include "fuzz/SettingLines.h"
#include "project/Session.h"

#include <vector>

namespace burgeon {

namespace {

// Where the reader looks for a leaf texture: folders that do not exist, so that a texture
// file name in the input never reaches a file of the machine running the fuzzer.
constexpr const char* NoFolder = "/nonexistent-burgeon-fuzz";

} // namespace

// The session reader with the --set overrides of `burgeon render --session`, then "Save
// Session": the text written must open again and be written back the same.
void runSessionInput(std::string_view bytes) {
    const SettingLines input = splitSettingLines(bytes);
    const SessionReading reading =
        readSession(input.rest, "fuzz.burgeon", NoFolder, NoFolder, input.settings);
    if (!reading.opened) {
        if (reading.messages.empty()) {
            throw FuzzFinding("a session that did not open shows no message");
        }
        return;
    }
    const std::string written = sessionText(reading.project, NoFolder);
    const SessionReading again = readSession(written, "saved.burgeon", NoFolder, NoFolder);
    if (!again.opened) {
        throw FuzzFinding("a saved session does not open again");
    }
    if (sessionText(again.project, NoFolder) != written) {
        throw FuzzFinding("a saved session reads back changed");
    }
}

} // namespace burgeon
