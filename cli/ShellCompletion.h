#pragma once

#include <string>

namespace burgeon {

// The bash completion of burgeon, made from the options the parser binds: the commands, each
// command's options and subcommands, the choices of an option that takes one of a list, and
// file names filtered by the extensions each file option's type name declares
// (cli/FileTypeNames.h). It relies on the bash-completion package's helpers.
std::string bashCompletionScript();

} // namespace burgeon
