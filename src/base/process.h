// Finding and starting another program.
#pragma once

#include <optional>
#include <string>

namespace torvelix {

// Whether path names a regular file that this user may run.
bool isExecutableFile(const std::string& path);

// The path of the program name: name itself when it holds a folder part and names an
// executable file, else the first executable of that name along the system's search
// path. Nothing when there is none.
std::optional<std::string> findProgram(const std::string& name);

// Starts program with argument as its one argument (never parsed as shell text), its
// input and output the null device, and waits at most two seconds for it. Its exit
// status when it ended in that time; 0 when it is still running, left to run on its
// own. Throws UserError "cannot start <program>[: <reason>]" when it cannot
// be started.
int startProgram(const std::string& program, const std::string& argument);

} // namespace torvelix
