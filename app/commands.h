// The executable's subcommands. Each returns the process exit status:
// 0 success, 1 a handled failure was reported, 2 bad command line.
#pragma once

#include <string>
#include <vector>

namespace torvelix::app {

// args: the words after the subcommand; exePath: the running executable's path.
int runCalcCommand(const std::vector<std::string>& args, const std::string& exePath);
int runDrawCommand(const std::vector<std::string>& args, const std::string& exePath);
int runCheckTablesCommand(const std::vector<std::string>& args, const std::string& exePath);

// The window; argc/argv go to the Qt application.
int runWindow(int argc, char** argv);

} // namespace torvelix::app
