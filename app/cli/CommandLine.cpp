#include "app/cli/CommandLine.h"

#include "app/cli/Command.h"
#include "app/cli/Suggestions.h"

#include <algorithm>
#include <ostream>

namespace burgeon {

namespace {

void printOverview(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands) {
    out << "usage: burgeon                 start the desktop application\n"
        << "       burgeon PLANT.burgeon   start it with a session open\n";
    for (const auto& command : commands) {
        out << "       " << command->usage() << "\n";
    }
    out << "       burgeon help COMMAND    a command's options\n"
        << "       burgeon --version\n";
}

std::vector<std::string> optionNames(const CLI::App& app) {
    std::vector<std::string> names;
    for (const CLI::Option* option : app.get_options()) {
        for (const std::string& name : option->get_lnames()) {
            names.push_back("--" + name);
        }
    }
    return names;
}

// The first argument the command did not take, as a usage error: an unknown option (with the
// closest option the command has) or an argument too many.
void rejectLeftovers(const CLI::App& app) {
    const std::vector<std::string> rest = app.remaining();
    if (rest.empty()) {
        return;
    }
    const std::string& word = rest.front();
    if (word.rfind("--", 0) != 0) {
        throw UsageError{"unexpected argument '" + word + "'"};
    }
    const std::string name = word.substr(0, word.find('='));
    std::string text = "unknown option " + name;
    if (const auto closest = closestMatch(name, optionNames(app))) {
        text += "; did you mean " + *closest + "?";
    }
    throw UsageError{text};
}

// A command's help: what it does, its usage, then one line per option.
std::string commandHelp(const Command& command, const CLI::App& app) {
    std::string options = app.help();
    // The options' part, without the library's own usage line.
    if (const auto usageLine = options.find("Usage:"); usageLine != std::string::npos) {
        options.erase(usageLine, options.find('\n', usageLine) + 1 - usageLine);
    }
    if (const auto first = options.find('\n'); first != std::string::npos) {
        options.erase(0, first + 1);
    }
    return std::string(command.summary()) + "\nusage: " + command.usage() + "\n" + options;
}

// The command the arguments reached, when one was named.
Command* chosenCommand(const CLI::App& app, const std::vector<std::unique_ptr<Command>>& commands,
                       CLI::App** chosen) {
    for (const auto& command : commands) {
        CLI::App* sub = app.get_subcommand(command->name());
        if (sub->parsed()) {
            *chosen = sub;
            return command.get();
        }
    }
    return nullptr;
}

} // namespace

bool isHeadlessCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && !(arguments.size() == 1 && arguments[0].size() > 8 &&
                                   arguments[0].ends_with(".burgeon"));
}

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    const auto commands = makeCommands();
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        printOverview(arguments.empty() ? err : out, commands);
        return arguments.empty() ? 2 : 0;
    }
    if (arguments[0] == "--version") {
        out << "burgeon " << BURGEON_VERSION << "\n";
        return 0;
    }
    CLI::App app("Burgeon simulates and shows the growth of plant shoots.", "burgeon");
    for (const auto& command : commands) {
        CLI::App* sub = app.add_subcommand(command->name(), command->summary());
        sub->set_help_flag("-h,--help", "print this help and exit");
        sub->allow_extras();
        command->define(*sub);
    }
    if (arguments[0] == "help") {
        if (arguments.size() == 1) {
            printOverview(out, commands);
            return 0;
        }
        for (const auto& command : commands) {
            if (arguments[1] == command->name()) {
                out << commandHelp(*command, *app.get_subcommand(command->name()));
                return 0;
            }
        }
    }
    const std::string& name = arguments[0] == "help" ? arguments[1] : arguments[0];
    if (std::none_of(commands.begin(), commands.end(),
                     [&](const auto& c) { return name == c->name(); })) {
        err << "burgeon: unknown command '" << name << "'\n";
        std::vector<std::string> names;
        for (const auto& command : commands) {
            names.push_back(command->name());
        }
        if (const auto closest = closestMatch(name, names)) {
            err << "did you mean '" << *closest << "'?\n";
        }
        printOverview(err, commands);
        return 2;
    }

    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    CLI::App* chosen = nullptr;
    Command* command = nullptr;
    try {
        app.parse(reversed);
        command = chosenCommand(app, commands, &chosen);
        for (const CLI::App* sub : chosen->get_subcommands()) {
            rejectLeftovers(*sub);
        }
        rejectLeftovers(*chosen);
        return command->run(out, err);
    } catch (const CLI::CallForHelp&) {
        command = chosenCommand(app, commands, &chosen);
        out << commandHelp(*command, *chosen);
        return 0;
    } catch (const CLI::ParseError& error) {
        command = chosenCommand(app, commands, &chosen);
        err << "burgeon " << command->name() << ": " << error.what() << "\n"
            << "usage: " << command->usage() << "\n";
        return 2;
    } catch (const UsageError& error) {
        err << "burgeon " << command->name() << ": " << error.message << "\n"
            << "usage: " << command->usage() << "\n";
        return 2;
    }
}

} // namespace burgeon
