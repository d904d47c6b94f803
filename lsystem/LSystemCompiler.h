#pragma once

#include "base/Message.h"
#include "lsystem/PlantState.h"
#include "lsystem/StringRewriter.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

// What one compilation shows: the messages in order, the texts of the "L-system Compiles" and
// "L-system Results" panes, and the values the header lines hand on to the rest of the
// program. A value is there only when its header line passed.
struct CompileOutcome {
    bool completed = false; // the header passed and the rewriting ran to its end
    bool stopped = false;   // the rewriting was asked to stop
    Messages messages;
    // The pass and error lines; nothing when the text was too short to be checked (the pane
    // keeps what it showed).
    std::optional<std::string> compilesPane;
    bool compilesPaneRed = false; // the whole pane turns red after an error
    // Reset to its caption at the start, the compile report at the end.
    std::string resultsPane = "L-system Results";
    std::optional<std::string> lsystemName; // for the "L-systems" box
    std::optional<double> angle;            // for the "Petiole Angle" parameter
    std::optional<double> diameter;         // for the "Node Diamter" parameter
    // The source with the "}" line the compiler adds when it has none.
    std::optional<std::vector<std::string>> closedLines;
};

// "Compile L-system": checks the five header lines, collects the rules and end rules into the
// plant's definition and rewrites the axiom into resultString and compileReport. The header
// settings of the lines that passed stay stored when a later line fails; rules and the result
// string change only when the whole header passed and the rewriting ran to its end. The
// control's progress starts at 0 and follows the rewriting.
CompileOutcome compileLSystem(const std::vector<std::string>& source, PlantState& plant,
                              const RewriteControl& control = {});

// The value of a header line "keyword=value": the keyword is the first keyword.size()
// characters of the trimmed line, trimmed and compared without case; blanks around "=" are
// allowed. Nothing when the line does not have that form or the value is empty.
std::optional<std::string> headerValue(std::string_view line, std::string_view keyword);

} // namespace burgeon
