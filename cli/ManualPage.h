#pragma once

#include <string>

namespace burgeon {

// The sections of burgeon's manual page that help2man cannot make from the overview, in
// help2man's include format: the synopsis (the overview's usage lines), the description, and
// one section per command (and subcommand) with its summary, usage and every option as the
// command's help shows it. dataFolder is the installed data folder the page names.
std::string manualPageSections(const std::string& dataFolder);

} // namespace burgeon
