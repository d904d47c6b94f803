#pragma once

#include <CLI/CLI.hpp>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace burgeon {

// Thrown for a command line that does not fit its command; the command prints its usage and
// exits with status 2.
struct UsageError {
    std::string message;
};

// One headless command: its options are bound to its members by define(); run() works on
// them after parsing and returns the exit status (0 when the command ran to its end, 1 when it
// stopped at a message). Bad arguments throw UsageError.
class Command {
public:
    virtual ~Command() = default;

    virtual const char* name() const = 0;
    // The one-line usage shown with a usage error and in the overview.
    virtual std::string usage() const = 0;
    // What the command does, in one sentence, for the help texts.
    virtual const char* summary() const = 0;
    // What it does in a few words, as "not enough memory to ..." ends: "export the mesh".
    virtual const char* work() const = 0;
    virtual void define(CLI::App& app) = 0;
    virtual int run(std::ostream& out, std::ostream& err) = 0;
};

// Every headless command, in the order the overview lists them.
std::vector<std::unique_ptr<Command>> makeCommands();

} // namespace burgeon
