#include "cli/ShellCompletion.h"

#include "cli/CommandLineParser.h"
#include "cli/FileTypeNames.h"

#include <cctype>
#include <optional>
#include <sstream>
#include <vector>

namespace burgeon {

namespace {

struct OptionCompletion {
    std::vector<std::string> names; // "--session", "-h"
    bool takesValue = false;
    std::optional<FileValue> file;
    std::vector<std::string> choices;
};

// One command, or one subcommand of a command ("session save").
struct CommandCompletion {
    std::string path;
    std::vector<OptionCompletion> options;
    std::optional<FileValue> positional; // the file its first positional names
    std::vector<std::string> subcommands;
};

// "a,b,c" of a type name "TEXT:{a,b,c}" that CLI11 gives an option with a list of choices.
std::vector<std::string> choicesOf(const std::string& typeName) {
    std::vector<std::string> choices;
    const auto open = typeName.find(":{");
    const auto close = typeName.find('}', open);
    if (open == std::string::npos || close == std::string::npos) {
        return choices;
    }
    std::istringstream list(typeName.substr(open + 2, close - open - 2));
    for (std::string choice; std::getline(list, choice, ',');) {
        choices.push_back(choice);
    }
    return choices;
}

OptionCompletion optionCompletion(const CLI::Option& option) {
    OptionCompletion completion;
    for (const std::string& name : option.get_lnames()) {
        completion.names.push_back("--" + name);
    }
    for (const std::string& name : option.get_snames()) {
        completion.names.push_back("-" + name);
    }
    completion.takesValue = option.get_items_expected_max() > 0; // flags expect none
    if (completion.takesValue) {
        completion.file = fileValueOf(option.get_type_name());
        completion.choices = choicesOf(option.get_type_name());
    }
    return completion;
}

void addCompletions(const CLI::App& app, const std::string& path,
                    std::vector<CommandCompletion>& commands) {
    CommandCompletion command;
    command.path = path;
    for (const CLI::Option* option : app.get_options()) {
        if (option->nonpositional()) {
            command.options.push_back(optionCompletion(*option));
        } else if (!command.positional) {
            // Every positional names a file: any file unless its type says which.
            command.positional = fileValueOf(option->get_type_name()).value_or(FileValue{});
        }
    }
    const auto subcommands = app.get_subcommands([](const CLI::App*) { return true; });
    for (const CLI::App* sub : subcommands) {
        command.subcommands.push_back(sub->get_name());
    }
    commands.push_back(command);
    for (const CLI::App* sub : subcommands) {
        addCompletions(*sub, path + " " + sub->get_name(), commands);
    }
}

std::vector<CommandCompletion> commandCompletions(std::vector<std::string>& names) {
    const auto commands = makeCommands();
    CLI::App parser;
    std::vector<CommandCompletion> completions;
    for (const auto& command : commands) {
        names.emplace_back(command->name());
        addCompletions(*addCommandParser(parser, *command), command->name(), completions);
    }
    return completions;
}

std::string joined(const std::vector<std::string>& words, const std::string& separator) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : separator) + word;
    }
    return text;
}

// The _filedir call that offers the files a value names: folders, files with the extensions
// (as declared and in lower case; _filedir adds upper case), or any file.
std::string fileCompletion(const FileValue& file) {
    if (file.folder) {
        return "_filedir -d";
    }
    std::vector<std::string> patterns;
    for (const std::string& extension : file.extensions) {
        patterns.push_back(extension);
        std::string lower = extension;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (lower != extension) {
            patterns.push_back(lower);
        }
    }
    return patterns.empty() ? "_filedir" : "_filedir '" + joined(patterns, "|") + "'";
}

// The case branch of one command: the value of the option before the cursor, else its
// options, subcommands and positional files.
void writeCommand(std::ostream& out, const CommandCompletion& command) {
    out << "    '" << command.path << "')\n";
    out << "        case $prev in\n";
    std::vector<std::string> plainValues;
    std::vector<std::string> allNames;
    for (const OptionCompletion& option : command.options) {
        const std::string names = joined(option.names, "|");
        allNames.insert(allNames.end(), option.names.begin(), option.names.end());
        if (!option.takesValue) {
            continue;
        }
        if (option.file) {
            out << "        " << names << ") " << fileCompletion(*option.file) << "; return ;;\n";
        } else if (!option.choices.empty()) {
            out << "        " << names << ") COMPREPLY=($(compgen -W '"
                << joined(option.choices, " ") << "' -- \"$cur\")); return ;;\n";
        } else {
            plainValues.push_back(names);
        }
    }
    if (!plainValues.empty()) {
        out << "        " << joined(plainValues, "|") << ") return ;; # a value to type\n";
    }
    out << "        esac\n";
    out << "        $split && return\n";
    const std::string offerOptions =
        "COMPREPLY=($(compgen -W '" + joined(allNames, " ") + "' -- \"$cur\"))";
    if (!command.positional && command.subcommands.empty()) {
        out << "        " << offerOptions << "\n        ;;\n";
        return;
    }
    out << "        if [[ $cur == -* ]]; then\n"
        << "            " << offerOptions << "\n"
        << "            return\n"
        << "        fi\n";
    if (!command.subcommands.empty()) {
        out << "        ((cword == 2)) && COMPREPLY=($(compgen -W '"
            << joined(command.subcommands, " ") << "' -- \"$cur\"))\n";
    }
    if (command.positional) {
        out << "        " << fileCompletion(*command.positional) << "\n";
    }
    out << "        ;;\n";
}

} // namespace

std::string bashCompletionScript() {
    std::vector<std::string> names;
    const std::vector<CommandCompletion> commands = commandCompletions(names);
    std::ostringstream out;
    out << "# bash completion for burgeon                              -*- shell-script -*-\n"
        << "# Made by the build from the options burgeon's command line parses.\n"
        << "# shellcheck disable=SC2207 # COMPREPLY=($(compgen ...)), as bash-completion does\n\n"
        << "_burgeon()\n{\n"
        << "    local cur prev words cword split\n"
        << "    _init_completion -s || return\n\n"
        << "    if ((cword == 1)); then\n"
        << "        COMPREPLY=($(compgen -W '" << joined(names, " ")
        << " help --help --version' -- \"$cur\"))\n"
        << "        [[ $cur == -* ]] || _filedir 'burgeon' # burgeon PLANT.burgeon\n"
        << "        return\n"
        << "    fi\n"
        << "    local path=${words[1]}\n"
        << "    if [[ $path == help ]]; then\n"
        << "        ((cword == 2)) && COMPREPLY=($(compgen -W '" << joined(names, " ")
        << "' -- \"$cur\"))\n"
        << "        return\n"
        << "    fi\n"
        << "    # A subcommand right after its command.\n"
        << "    case \"$path ${words[2]-}\" in\n";
    for (const CommandCompletion& command : commands) {
        if (command.path.find(' ') != std::string::npos) {
            out << "    '" << command.path << "') ((cword > 2)) && path=\"$path ${words[2]}\" ;;\n";
        }
    }
    out << "    esac\n\n"
        << "    case $path in\n";
    for (const CommandCompletion& command : commands) {
        writeCommand(out, command);
    }
    out << "    esac\n"
        << "} &&\n"
        << "    complete -F _burgeon burgeon\n";
    return out.str();
}

} // namespace burgeon
