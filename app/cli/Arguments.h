#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace burgeon {

// Thrown for a command line that does not fit its command; the command prints its usage and
// exits with status 2.
struct UsageError {
    std::string message;
};

// The arguments of one subcommand: positional values, "--name value" options and "--flag"
// switches. Only the names the command declares are accepted.
class Arguments {
public:
    Arguments(const std::vector<std::string>& arguments, const std::set<std::string>& options,
              const std::set<std::string>& flags);

    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& name) const;
    std::optional<std::string> option(const std::string& name) const;

    // An option's whole-number value within [minimum, maximum], or the fallback when absent.
    int integerOption(const std::string& name, int fallback, int minimum, int maximum) const;
    double numberOption(const std::string& name, double fallback) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> options_;
    std::set<std::string> flags_;
};

} // namespace burgeon
