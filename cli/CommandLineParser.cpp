#include "cli/CommandLineParser.h"

#include "cli/Suggestions.h"

#include <algorithm>
#include <sstream>

namespace burgeon {

namespace {

std::string overview(const std::vector<std::unique_ptr<Command>>& commands) {
    std::ostringstream out;
    out << "usage: burgeon                 start the desktop application\n"
        << "       burgeon PLANT.burgeon   start it with a session open\n";
    for (const auto& command : commands) {
        out << "       " << command->usage() << "\n";
    }
    out << "       burgeon help COMMAND    a command's options\n"
        << "       burgeon --version\n";
    return out.str();
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

// The command the arguments reached, with its part of the parser.
Command* reachedCommand(const CLI::App& app, const std::vector<std::unique_ptr<Command>>& commands,
                        CLI::App** reached) {
    for (CLI::App* sub : app.get_subcommands()) { // the parsed ones
        for (const auto& command : commands) {
            if (sub->get_name() == command->name()) {
                *reached = sub;
                return command.get();
            }
        }
    }
    return nullptr;
}

// "unknown command" with the closest command's name and the overview, when name is none.
bool rejectUnknownCommand(const std::string& name, ParsedCommandLine& parsed) {
    const auto& commands = parsed.commands;
    if (std::any_of(commands.begin(), commands.end(),
                    [&](const auto& c) { return name == c->name(); })) {
        return false;
    }
    parsed.err = "burgeon: unknown command '" + name + "'\n";
    std::vector<std::string> names;
    names.reserve(commands.size());
    for (const auto& command : commands) {
        names.push_back(command->name());
    }
    if (const auto closest = closestMatch(name, names)) {
        parsed.err += "did you mean '" + *closest + "'?\n";
    }
    parsed.err += overview(commands);
    parsed.status = 2;
    return true;
}

// The arguments of a named command through the parser; the chosen command when they fit it.
void parseCommand(const std::vector<std::string>& arguments, ParsedCommandLine& parsed) {
    CLI::App& app = *parsed.parser;
    // CLI11 takes the arguments from the back.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    CLI::App* reached = nullptr;
    Command* command = nullptr;
    try {
        app.parse(reversed);
        command = reachedCommand(app, parsed.commands, &reached);
        for (const CLI::App* sub : reached->get_subcommands()) {
            rejectLeftovers(*sub);
        }
        rejectLeftovers(*reached);
        parsed.chosen = command;
    } catch (const CLI::CallForHelp&) {
        command = reachedCommand(app, parsed.commands, &reached);
        parsed.out = command ? commandHelp(*command, *reached) : overview(parsed.commands);
    } catch (const CLI::ParseError& error) {
        command = reachedCommand(app, parsed.commands, &reached);
        parsed.err =
            command ? usageErrorText(*command, error.what())
                    : "burgeon: " + std::string(error.what()) + "\n" + overview(parsed.commands);
        parsed.status = 2;
    } catch (const UsageError& error) {
        parsed.err = usageErrorText(*command, error.message);
        parsed.status = 2;
    }
}

} // namespace

CLI::App* addCommandParser(CLI::App& parser, Command& command) {
    CLI::App* sub = parser.add_subcommand(command.name(), command.summary());
    sub->set_help_flag("-h,--help", "print this help and exit");
    sub->allow_extras();
    command.define(*sub);
    return sub;
}

std::string usageErrorText(const Command& command, const std::string& message) {
    return "burgeon " + std::string(command.name()) + ": " + message +
           "\nusage: " + command.usage() + "\n";
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    parsed.commands = makeCommands();
    const auto& commands = parsed.commands;
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        (arguments.empty() ? parsed.err : parsed.out) = overview(commands);
        parsed.status = arguments.empty() ? 2 : 0;
        return parsed;
    }
    if (arguments[0] == "--version") {
        parsed.out = std::string("burgeon ") + BURGEON_VERSION + "\n";
        return parsed;
    }
    const bool help = arguments[0] == "help";
    if (help && arguments.size() == 1) {
        parsed.out = overview(commands);
        return parsed;
    }
    const std::string& name = help ? arguments[1] : arguments[0];
    if (rejectUnknownCommand(name, parsed)) {
        return parsed;
    }
    parsed.parser = std::make_unique<CLI::App>(
        "Burgeon simulates and shows the growth of plant shoots.", "burgeon");
    CLI::App& app = *parsed.parser;
    // One command a line: a later word that names another command is an argument of the
    // first (a file may be called "render"), so the parser needs the named command alone.
    const auto named = std::find_if(commands.begin(), commands.end(),
                                    [&](const auto& command) { return name == command->name(); });
    Command& command = **named;
    app.require_subcommand(0, 1);
    CLI::App* sub = addCommandParser(app, command);
    if (help) {
        parsed.out = commandHelp(command, *sub);
        return parsed;
    }
    parseCommand(arguments, parsed);
    return parsed;
}

} // namespace burgeon
