// The command line's subcommands. Each returns the process exit status:
// 0 success, 1 a handled failure was reported, 2 bad command line.
#pragma once

#include "command_line.h"

#include <string>
#include <vector>

namespace torvelix::cli {

// args: the words after the subcommand; exePath: the running executable's path.
int runCalcCommand(const std::vector<std::string>& args, const std::string& exePath);
int runDrawCommand(const std::vector<std::string>& args, const std::string& exePath,
                   const CliServices& services);
int runCheckTablesCommand(const std::vector<std::string>& args, const std::string& exePath);

} // namespace torvelix::cli
