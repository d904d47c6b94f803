#include "base/DataFolder.h"

#include "base/FileIo.h"

#include <filesystem>
#include <system_error>

namespace burgeon {

namespace fs = std::filesystem;

namespace {

bool isRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

} // namespace

std::optional<std::string> dataFolderOfExecutable(const std::string& executable) {
    // BURGEON_DATA_FROM_BIN is the data folder relative to the executable's folder, as the
    // install lays them out ("../share/burgeon").
    const fs::path folder = fs::path(executable).parent_path() / BURGEON_DATA_FROM_BIN;
    std::error_code error;
    if (executable.empty() || !fs::is_directory(folder, error)) {
        return std::nullopt;
    }
    return folder.lexically_normal().string();
}

const std::optional<std::string>& installedDataFolder() {
    static const std::optional<std::string> folder = [] {
        std::error_code error;
        const fs::path executable = fs::read_symlink("/proc/self/exe", error);
        return error ? std::nullopt : dataFolderOfExecutable(executable.string());
    }();
    return folder;
}

std::string findDataFile(const std::string& name, const std::string& folder,
                         const std::optional<std::string>& dataFolder) {
    std::string local = joinPath(folder, name);
    if (isRegularFile(local) || !dataFolder || fs::path(name).is_absolute()) {
        return local;
    }
    const std::string installed = joinPath(*dataFolder, name);
    return isRegularFile(installed) ? installed : local;
}

std::string findDataFile(const std::string& name, const std::string& folder) {
    return findDataFile(name, folder, installedDataFolder());
}

} // namespace burgeon
