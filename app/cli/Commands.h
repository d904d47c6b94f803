#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace burgeon {

// One function per headless command. Each throws UsageError for bad arguments and returns the
// exit status otherwise.
extern const char* const lsystemUsage;
int runLsystemCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);
extern const char* const shapesUsage;
int runShapesCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);

extern const char* const fitUsage;
int runFitCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

extern const char* const animateUsage;
int runAnimateCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);
extern const char* const renderUsage;
int runRenderCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);

} // namespace burgeon
