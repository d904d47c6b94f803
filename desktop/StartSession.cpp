#include "desktop/StartSession.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace burgeon {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> firstSessionIn(const fs::path& folder) {
    std::error_code error;
    std::vector<std::string> sessions;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().extension() == ".burgeon" && entry->is_regular_file(error)) {
            sessions.push_back(entry->path().string());
        }
    }
    if (sessions.empty()) {
        return std::nullopt;
    }
    return *std::min_element(sessions.begin(), sessions.end());
}

} // namespace

std::optional<std::string> sessionToOpenAtStart(const std::vector<std::string>& arguments,
                                                const std::optional<std::string>& dataFolder) {
    if (!arguments.empty()) {
        return arguments.front();
    }
    if (!dataFolder) {
        return std::nullopt;
    }
    return firstSessionIn(fs::path(*dataFolder) / "sessions");
}

} // namespace burgeon
