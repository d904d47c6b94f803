#pragma once

#include <optional>
#include <string>

namespace burgeon {

// The files Burgeon reads by name from a folder (the example file and the manual from the
// start folder, the land and leaf textures from the current folder) come with the installed
// program too, under share/burgeon of its prefix. A file in the folder is read when it is
// there; the installed copy serves when it is not.

// The folder of the installed data: the data folder beside the executable's own folder
// (bin/../share/burgeon), found from /proc/self/exe; nothing when it does not exist, as in the
// build tree.
const std::optional<std::string>& installedDataFolder();

// The installed data folder of an executable at that path, when it exists.
std::optional<std::string> dataFolderOfExecutable(const std::string& executable);

// The file to read for `name` in `folder` (empty: the current folder): that file when it is a
// regular file, else the installed copy when there is one, else that file all the same, so a
// message names the file the person expected.
std::string findDataFile(const std::string& name, const std::string& folder = "");
// The same with the data folder given.
std::string findDataFile(const std::string& name, const std::string& folder,
                         const std::optional<std::string>& dataFolder);

} // namespace burgeon
