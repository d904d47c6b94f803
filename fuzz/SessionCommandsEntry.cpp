#include "cli/CommandLine.h"
#include "fuzz/FuzzEntries.h"
#include "fuzz/SettingLines.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace burgeon {

namespace {

namespace fs = std::filesystem;

// A compilation stops long before the fuzzer's time limit.
constexpr const char* CompileSeconds = "0.2";

// The process's own folder for the session file and what the commands write, removed when the
// process ends.
struct WorkFolder {
    WorkFolder()
        : path(fs::temp_directory_path() /
               ("burgeon-fuzz-commands-" + std::to_string(::getpid()))) {
        fs::create_directories(path);
    }
    ~WorkFolder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    fs::path path;
};

const fs::path& workFolder() {
    static const WorkFolder folder;
    return folder.path;
}

std::vector<std::string> folderContents() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(workFolder())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// One command through the command line's entry, as `burgeon` runs it; what it must never do
// is a finding: an exit status other than 0, 1 or 2, a failure without a message, success
// without its output file, or a file left behind that it was not asked for.
int runCommand(std::vector<std::string> arguments, const SettingLines& input,
               const std::string& output) {
    for (const std::string& setting : input.settings) {
        arguments.push_back("--set");
        arguments.push_back(setting);
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(arguments, out, err);
    if (status != 0 && status != 1 && status != 2) {
        throw FuzzFinding("an exit status other than 0, 1 or 2");
    }
    if (status != 0 && err.str().empty()) {
        throw FuzzFinding("a command that failed said nothing");
    }
    std::vector<std::string> wanted = {"fuzz.burgeon"};
    if (status == 0 && !output.empty()) {
        wanted.push_back(output);
    }
    std::vector<std::string> found = folderContents();
    std::sort(found.begin(), found.end());
    std::sort(wanted.begin(), wanted.end());
    if (found != wanted) {
        throw FuzzFinding("a command left other files than it was asked to write");
    }
    if (!output.empty()) {
        fs::remove(workFolder() / output);
    }
    return status;
}

} // namespace

// A session file through the commands that read it: `burgeon session FILE`, and for a session
// that opens `burgeon render --session FILE --time 1 --size 16x16` and `burgeon export
// --session FILE` (a .glb of the plant), each with the input's leading --set lines.
void runSessionCommandsInput(std::string_view bytes) {
    const SettingLines input = splitSettingLines(bytes);
    const fs::path file = workFolder() / "fuzz.burgeon";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << input.rest;
    const std::string session = file.string();
    const int checked =
        runCommand({"session", session, "--max-seconds", CompileSeconds}, input, "");
    if (checked != 0) {
        return;
    }
    runCommand({"render", "--session", session, "--time", "1", "--size", "16x16", "--seed", "1",
                "--max-seconds", CompileSeconds, "--out", (workFolder() / "plant.png").string()},
               input, "plant.png");
    runCommand({"export", "--session", session, "--max-seconds", CompileSeconds, "--out",
                (workFolder() / "plant.glb").string()},
               input, "plant.glb");
}

} // namespace burgeon
