#include "engine/FileFaults.h"

#include "base/FileIo.h"
#include "base/StandardError.h"

#include <array>
#include <string>

namespace burgeon {

namespace {

// The texts of the standard file errors, cut where their variable part begins: the texts
// themselves are made by the errors' own factories.
struct FileFaultForms {
    std::array<std::string, 4> starts;
    std::string tooLargeStart;
    std::string tooLargeMiddle;
};

std::string before(const std::string& text, char mark) {
    return text.substr(0, text.find(mark));
}

const FileFaultForms& fileFaultForms() {
    static const FileFaultForms forms = [] {
        constexpr char mark = '\x01';
        const std::string tooLarge =
            StandardError::fileTooLarge(std::string(1, mark), FileSizeLimit{1, ""}).what();
        const std::string afterName = tooLarge.substr(tooLarge.find(mark) + 1);
        return FileFaultForms{
            {before(StandardError::cannotOpenFile(std::string(1, mark)).what(), mark),
             before(StandardError::cannotCreateFile(std::string(1, mark)).what(), mark),
             StandardError::fileNotFound().what(), before(StandardError::ioError(0).what(), '0')},
            before(tooLarge, mark),
            afterName.substr(0, afterName.find_first_of("0123456789"))};
    }();
    return forms;
}

bool startsAsFileFault(std::string_view text) {
    const FileFaultForms& forms = fileFaultForms();
    for (const std::string& start : forms.starts) {
        if (text.starts_with(start)) {
            return true;
        }
    }
    return text.starts_with(forms.tooLargeStart) &&
           text.find(forms.tooLargeMiddle) != std::string_view::npos;
}

} // namespace

bool isFileFault(std::string_view text) {
    if (startsAsFileFault(text)) {
        return true;
    }
    const auto colon = text.find(": ");
    return colon != std::string_view::npos && startsAsFileFault(text.substr(colon + 2));
}

} // namespace burgeon
