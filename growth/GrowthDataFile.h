#pragma once

#include <string>

namespace burgeon {

// The text of a growth data file as "Read Data" loads it: every character up to the end of
// the file or up to the first end-of-file mark (code 26), line breaks included and nothing
// parsed. Throws "File not found" when there is no such file and "I/O error %d" (the system's
// error code) when it cannot be opened or read.
std::string readGrowthDataFile(const std::string& fileName);

} // namespace burgeon
