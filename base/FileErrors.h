#pragma once

#include "base/StandardError.h"

#include <string>

namespace burgeon {

// The reason a file operation failed, in words: "no such folder" for ENOENT, "file too large:
// the file-size limit was reached" for EFBIG ...
std::string fileErrorReason(int error);

// "Cannot create file NAME (REASON)": the standard text with what went wrong.
StandardError cannotCreateFileBecause(const std::string& fileName, const std::string& reason);
StandardError cannotCreateFileBecause(const std::string& fileName, int error);

} // namespace burgeon
