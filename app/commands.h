// The executable's subcommands. Each returns the process exit status:
// 0 success, 1 a handled failure was reported, 2 bad command line.
#pragma once

#include <string>
#include <vector>

namespace torvelix::app {

// args: the words after the subcommand; exePath: the running executable's path.
int RunCalcCommand(const std::vector<std::string>& args, const std::string& exePath);
int RunDrawCommand(const std::vector<std::string>& args, const std::string& exePath);
int RunCheckTablesCommand(const std::vector<std::string>& args, const std::string& exePath);

// The window; argc/argv go to the Qt application.
int RunWindow(int argc, char** argv);

} // namespace torvelix::app
