#pragma once

#include "base/FileIo.h"

#include <string>
#include <string_view>

namespace burgeon {

// Growth data files: the largest table a fit takes (501 lines of a time and 101 values) is
// under 1 MB even with 15 significant digits a field; 4 MB leaves room for wide separators.
inline constexpr FileSizeLimit GrowthDataFileLimit{4 * MiB, "growth data files"};

// The text of a growth data file as "Read Data" loads it: every character up to the end of
// the file or up to the first end-of-file mark (code 26), line breaks included and nothing
// parsed. Throws "File not found" when there is no such file, "Cannot open file %s" for a
// folder, FIFO or device, the size message beyond GrowthDataFileLimit, and "I/O error %d" (the
// system's error code) when it cannot be opened or read.
std::string readGrowthDataFile(const std::string& fileName);

// The text a growth data file's bytes load as: everything before the first end-of-file mark.
std::string growthDataText(std::string_view bytes);

} // namespace burgeon
