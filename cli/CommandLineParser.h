#pragma once

#include "cli/Command.h"

#include <memory>
#include <string>
#include <vector>

namespace burgeon {

// What the arguments ask for, worked out against every command without running any: the
// chosen command with its options set, or the text that answers the arguments instead (the
// overview, a command's help, the version, a usage error).
struct ParsedCommandLine {
    // Every command and the parser their options are bound to; both stay alive while the
    // chosen command runs, as a command may ask which of its parts the arguments named.
    std::vector<std::unique_ptr<Command>> commands;
    std::unique_ptr<CLI::App> parser;
    Command* chosen = nullptr; // nothing to run when null
    std::string out;           // the help, the overview or the version
    std::string err;           // a usage error with the usage, or an unknown command
    int status = 0;            // the exit status when nothing runs: 0, or 2 for a usage error
};

// Parses "burgeon COMMAND ARGS...". Never throws for any arguments: every fault of the
// command line comes back as err with status 2.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The command's part of the parser, with its options bound to it: what the parser reads, and
// what the manual page and the shell completion are made from.
CLI::App* addCommandParser(CLI::App& parser, Command& command);

// "burgeon NAME: MESSAGE" and the command's usage line, as a usage error is printed.
std::string usageErrorText(const Command& command, const std::string& message);

} // namespace burgeon
