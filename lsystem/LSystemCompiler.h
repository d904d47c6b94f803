#pragma once

#include "lsystem/LSystemWorkspace.h"

#include <optional>
#include <string>
#include <string_view>

namespace burgeon {

// "Compile L-system": checks the five header lines of the editor text, collects the rules and
// end rules and rewrites the axiom. Returns true when the compilation ran to its end; false
// when it stopped at a message. A number that does not read throws StandardError.
bool compileLSystem(LSystemWorkspace& workspace);

// The button: compileLSystem behind the handler guard. True when it ran to its end.
bool pressCompileLSystem(LSystemWorkspace& workspace);

// The value of a header line "keyword=value": the keyword is the first keyword.size()
// characters of the trimmed line, trimmed and compared without case; blanks around "=" are
// allowed. Nothing when the line does not have that form or the value is empty.
std::optional<std::string> headerValue(std::string_view line, std::string_view keyword);

} // namespace burgeon
