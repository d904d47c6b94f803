// A capture run of the bench plant as a person starts it: the whole `burgeon animate` process,
// 299 frames of 800 x 600 into JPEG files (times 1 to 150, the plant's whole time axis, in half
// steps), at automatic and at full detail. Each run is one process started afresh, timed from its
// start to its end.
#include "BenchPlant.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ; // NOLINT(readability-redundant-declaration): posix_spawn's environment

namespace burgeon {
namespace {

// Runs the program with the arguments in the examples folder, where it finds the land's
// texture; true when it ends with status 0.
bool runProgram(std::vector<std::string> arguments) {
    std::vector<char*> pointers;
    pointers.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions{};
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, BURGEON_EXAMPLES);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void animateWith(benchmark::State& state, const char* detail) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("burgeon-animate-bench-" + std::to_string(::getpid()));
    for (auto _ : state) {
        fs::remove_all(folder);
        const auto started = std::chrono::steady_clock::now();
        const bool completed =
            runProgram({BURGEON_EXECUTABLE, "animate", "--session", benchPlantSession(), "--seed",
                        "1", "--size", "800x600", "--from", "1", "--to", "150", "--step", "0.5",
                        "--detail", detail, "--folder", folder.string()});
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (!completed) {
            state.SkipWithError("burgeon animate failed");
            break;
        }
    }
    fs::remove_all(folder);
    state.counters["frames"] = 299;
}

void BM_AnimateProcessAutoDetail(benchmark::State& state) {
    animateWith(state, "auto");
}

void BM_AnimateProcessFullDetail(benchmark::State& state) {
    animateWith(state, "full");
}

BENCHMARK(BM_AnimateProcessAutoDetail)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_AnimateProcessFullDetail)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace burgeon
