// Writes what the build makes of the command line's option tables: the bash completion and
// the sections of the manual page that help2man includes.
//   burgeon_make_command_docs completion OUT
//   burgeon_make_command_docs manual OUT DATA_FOLDER
#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "cli/ManualPage.h"
#include "cli/ShellCompletion.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string what = argc > 2 ? argv[1] : "";
    std::string text;
    if (what == "completion" && argc == 3) {
        text = burgeon::bashCompletionScript();
    } else if (what == "manual" && argc == 4) {
        text = burgeon::manualPageSections(argv[3]);
    } else {
        std::cerr << "usage: burgeon_make_command_docs completion OUT\n"
                     "       burgeon_make_command_docs manual OUT DATA_FOLDER\n";
        return 2;
    }
    try {
        burgeon::writeFileAtomically(argv[2], text);
    } catch (const burgeon::StandardError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
