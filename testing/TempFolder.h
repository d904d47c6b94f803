#pragma once

#include <string>
#include <vector>

namespace burgeon::testing {

// A fresh folder of its own under the system's temporary folder, removed with everything in it.
// Others may enter and read it: some tests run the program as an unprivileged user.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // A name in the folder.
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // The names of everything directly in the folder, sorted.
    std::vector<std::string> names() const;

private:
    std::string path_;
};

} // namespace burgeon::testing
