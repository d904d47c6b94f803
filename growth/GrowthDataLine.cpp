#include "growth/GrowthDataLine.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"

namespace burgeon {

namespace {

bool isForbidden(unsigned char c) {
    return c == 33 || (c >= 35 && c <= 38) || (c >= 40 && c <= 42) || c == 45 || c == 47 ||
           c == 61 || (c >= 64 && c <= 94) || (c >= 97 && c <= 125);
}

bool isFieldCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

} // namespace

bool holdsForbiddenCharacter(std::string_view line) {
    for (const char c : line) {
        if (isForbidden(static_cast<unsigned char>(c))) {
            return true;
        }
    }
    return false;
}

std::string_view takeDataField(std::string_view& rest) {
    std::size_t length = 0;
    while (length < rest.size() && isFieldCharacter(rest[length])) {
        ++length;
    }
    const std::string_view field = rest.substr(0, length);
    // The one separator after the field goes; blanks after it are trimmed away.
    rest = trimControl(rest.substr(length < rest.size() ? length + 1 : length));
    return field;
}

double convertDataField(std::string_view field) {
    // The field holds digits and points only, so the general decimal reader cannot meet a
    // sign or an exponent here; it rejects the empty field, "." and "1.2.3".
    return parseFloat(field);
}

std::size_t countDataFields(std::string_view line) {
    std::string_view rest = trimControl(line);
    std::size_t count = 0;
    while (!rest.empty()) {
        takeDataField(rest);
        ++count;
    }
    return count;
}

} // namespace burgeon
