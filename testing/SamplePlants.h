#pragma once

#include <string>

namespace burgeon::testing {

// The plants the tests of several folders start from, all from the examples of the source tree.

// The examples folder of the source tree.
std::string examplesFolder();
// A file under the examples folder: "growth/leaf-length.txt".
std::string exampleFile(const std::string& relative);

// The example file of L-systems, whose blocks are numbered from 1.
std::string exampleLsystems();
// Measured internode lengths, a growth data file.
std::string internodeGrowth();
// The gallery's soybean session.
std::string soybeanSession();

} // namespace burgeon::testing
