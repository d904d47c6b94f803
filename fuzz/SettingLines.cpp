#include "fuzz/SettingLines.h"

namespace burgeon {

SettingLines splitSettingLines(std::string_view bytes, std::size_t most) {
    static constexpr std::string_view prefix = "--set ";
    SettingLines input;
    while (input.settings.size() < most && bytes.starts_with(prefix)) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        input.settings.emplace_back(line.substr(prefix.size()));
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    input.rest = std::string(bytes);
    return input;
}

} // namespace burgeon
