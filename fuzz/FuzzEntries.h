#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace burgeon {

// What a reader must never do with any input, however malformed: the entry functions throw it
// when a result breaks a promise its reader makes (a message is no finding, it is the
// expected answer to bad input). Uncaught, it ends a fuzzer run with the input kept.
class FuzzFinding : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// One reader as the program drives it, from the bytes of a file to what the user sees.
using FuzzEntry = void (*)(std::string_view bytes);

struct FuzzTarget {
    const char* name; // the folder under fuzz/corpus/ and fuzz/regressions/
    FuzzEntry entry;
};

// Growth data file -> fit of all organs -> plots, as "Read Data" then "Fit Curve" run them.
void runGrowthDataInput(std::string_view bytes);
// Shape library -> surface preparation of every entry as leaf and flower -> previews.
void runShapeLibraryInput(std::string_view bytes);
// Bitmap file -> the pixels a texture upload reads.
void runBitmapInput(std::string_view bytes);
// The example file of the Text Editor page, rich or plain text -> the editor text.
void runExampleFileInput(std::string_view bytes);
// L-system text -> "Compile L-system" (with a lowered string limit) -> "Generate Plant".
void runLSystemInput(std::string_view bytes);
// Session text with leading "--set KEY=VALUE" lines -> the session reader -> "Save Session",
// whose text must read back the same.
void runSessionInput(std::string_view bytes);
// Arguments, one a line -> the command line's parser, without running the command.
void runCommandLineInput(std::string_view bytes);
// Session file with leading "--set KEY=VALUE" lines -> `burgeon session`, then `render` and
// `export` of the session, in process, through the command line's entry.
void runSessionCommandsInput(std::string_view bytes);

// Every target, for the fuzzers' main and the regression replay.
std::span<const FuzzTarget> fuzzTargets();
const FuzzTarget* findFuzzTarget(std::string_view name);

} // namespace burgeon
