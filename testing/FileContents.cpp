#include "testing/FileContents.h"

#include "base/StandardError.h"

#include <fstream>
#include <sstream>

namespace burgeon::testing {

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writePlain(const std::filesystem::path& file, const std::string& content) {
    std::ofstream(file, std::ios::binary) << content;
}

std::string errorMessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const StandardError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace burgeon::testing
