#include "cli/ManualPage.h"

#include "cli/CommandLineParser.h"

#include <algorithm>
#include <sstream>

namespace burgeon {

namespace {

// Text as roff prints it: backslashes escaped, the dashes of options and ranges as minus signs
// (a hyphen within a word stays one), no line taken for a request.
std::string roff(const std::string& text) {
    std::string escaped;
    char previous = ' ';
    for (const char c : text) {
        if (c == '\\') {
            escaped += "\\e";
        } else if (c == '-' && (previous == ' ' || previous == '-' || previous == '[' ||
                                previous == '(' || previous == '|')) {
            escaped += "\\-";
        } else {
            escaped += c;
        }
        previous = c;
    }
    if (!escaped.empty() && (escaped.front() == '.' || escaped.front() == '\'')) {
        escaped.insert(0, "\\&");
    }
    return escaped;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// The overview's usage lines ("usage: burgeon ...", then "       burgeon ..."), each
// "burgeon ARGUMENTS" without the note some carry after a wide gap.
void writeSynopsis(std::ostream& out) {
    std::istringstream overview(parseCommandLine({"--help"}).out);
    // Left-aligned and unhyphenated, so the options read as they are typed.
    out << "[SYNOPSIS]\n.ad l\n.nh\n";
    for (std::string line; std::getline(overview, line);) {
        if (line.rfind("usage:", 0) == 0) {
            line.erase(0, 6);
        }
        line = trimmed(line.substr(0, line.find("   ", line.find_first_not_of(' '))));
        if (line.rfind("burgeon", 0) != 0) {
            continue;
        }
        out << "\\fBburgeon\\fR" << roff(line.substr(7)) << "\n.br\n";
    }
}

// An option as the help lists it (the parser keeps CLI11's own formatter).
void writeOption(std::ostream& out, const CLI::Option& option) {
    const CLI::Formatter formatter;
    const bool positional = !option.nonpositional();
    out << ".TP\n\\fB" << roff(formatter.make_option_name(&option, positional)) << "\\fR";
    const std::string opts = trimmed(formatter.make_option_opts(&option));
    if (!opts.empty()) {
        out << " \\fI" << roff(opts) << "\\fR";
    }
    out << "\n" << roff(formatter.make_option_desc(&option)) << "\n";
}

// A command's section: what it does, its usage, its positionals and options in the order its
// help lists them, then each subcommand's section.
void writeCommand(std::ostream& out, const CLI::App& app, const std::string& path,
                  const std::string& usage) {
    out << ".SS \"" << roff(path) << "\"\n" << roff(app.get_description()) << "\n";
    if (!usage.empty()) {
        // "burgeon NAME" in bold, its arguments as they are.
        const auto arguments = std::min(usage.size(), usage.find(' ', path.size() - 1));
        out << ".PP\n\\fB" << roff(usage.substr(0, arguments)) << "\\fR"
            << roff(usage.substr(arguments)) << "\n";
    }
    for (const bool positionals : {true, false}) {
        for (const CLI::Option* option : app.get_options()) {
            if (option->nonpositional() != positionals) {
                writeOption(out, *option);
            }
        }
    }
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
        writeCommand(out, *sub, path + " " + sub->get_name(), "");
    }
}

const char* const Description =
    "Burgeon simulates and shows the growth of plant shoots. A plant's architecture is an "
    "L-system; Burgeon compiles it into a string of organ symbols, turns the string into a tree "
    "of organs, sizes every organ over time with logistic growth curves fitted to measured "
    "data, and shows the plant growing in a three-dimensional view.\n"
    ".PP\n"
    "Without arguments \\fBburgeon\\fR starts the desktop application; given a session file "
    "(\\fI.burgeon\\fR, a whole plant saved as JSON) it starts with that plant open. Started "
    "without a session, the installed program opens the first plant of its gallery.\n"
    ".PP\n"
    "With a command it works headless, with no display: it compiles L-systems, fits growth "
    "data, lists shape libraries, draws pictures and thumbnails, runs capture runs into BMP, "
    "JPEG and GIF files or MP4 and WebM videos, exports meshes (glTF, OBJ, PLY) and checks and "
    "builds session files. \\fBburgeon help\\fR \\fICOMMAND\\fR lists a command's options, as "
    "the sections below do.\n";

} // namespace

std::string manualPageSections(const std::string& dataFolder) {
    std::ostringstream out;
    writeSynopsis(out);
    out << "[=DESCRIPTION]\n.ad b\n.hy\n" << Description << "[COMMANDS]\n";
    const auto commands = makeCommands();
    CLI::App parser;
    for (const auto& command : commands) {
        writeCommand(out, *addCommandParser(parser, *command),
                     std::string("burgeon ") + command->name(), command->usage());
    }
    out << "[EXIT STATUS]\n"
        << "0 when the command ran to its end, 1 when it stopped at a message (printed on "
           "standard error, or with \\fB\\-\\-json\\fR in the output), 2 for a usage error.\n"
        << "[FILES]\n"
        << ".TP\n\\fI" << roff(dataFolder) << "\\fR\n"
        << "The installed data: the gallery's sessions (\\fIsessions/\\fR), the example "
           "L-systems (\\fILsysExam.Lsys\\fR), growth data (\\fIgrowth/\\fR), a shape library "
           "(\\fIshapes/\\fR), the land and leaf textures and the manual of the Help page "
           "(\\fIManual.hlp\\fR).\n"
        << ".TP\n\\fILsysExam.Lsys\\fR, \\fIManual.hlp\\fR\n"
        << "The desktop reads these from the folder it was started in, and the installed "
           "copies when that folder has none; \\(lqSave File\\(rq on the Text Editor page "
           "writes \\fILsysExam.Lsys\\fR into the folder it was started in.\n"
        << ".TP\n\\fIgrass1.bmp\\fR, \\fIleaf*.bmp\\fR\n"
        << "The land and the built-in leaf textures, read from the current folder, else from "
           "the installed data.\n"
        << "[EXAMPLES]\n"
        << "Draw the gallery's soybean at time 80:\n.PP\n.RS\n"
        << "burgeon render \\-\\-session " << roff(dataFolder)
        << "/sessions/1\\-soybean.burgeon \\-\\-time 80 \\-\\-out soybean.png\n.RE\n"
        << ".PP\nFilm the primula growing:\n.PP\n.RS\n"
        << "burgeon animate \\-\\-session " << roff(dataFolder)
        << "/sessions/2\\-primula.burgeon \\-\\-from 20 \\-\\-to 90 \\-\\-video primula.mp4\n"
           ".RE\n";
    return out.str();
}

} // namespace burgeon
