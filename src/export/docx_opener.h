// Hands a written document to the program that shows .docx files: the system's
// default application (desktopOpener: xdg-open), or the command named by the environment
// variable TORVELIX_DOCX_OPENER (a program name or path, run with the file as its
// one argument; tests set it to `true` or to a recorder).
#pragma once

#include <string>

namespace torvelix::wordexport {

inline constexpr const char* kOpenerVariable = "TORVELIX_DOCX_OPENER";

// The opener's full path: configured if not empty, else the environment variable
// if set and not empty, else the desktop's opener; a name without a slash is looked up in
// PATH. Throws UserError when no executable is found.
std::string resolveOpener(const std::string& configured);

// Starts opener with file as its argument, its input and output the null device,
// and waits at most two seconds for it: one that ends in that time with a non-zero
// status (xdg-open finding no program for the file) is a failure, one still running
// is left to run on its own (a shell between keeps it from becoming a zombie).
// Throws UserError when it cannot be started or fails.
void launchOpener(const std::string& openerPath, const std::string& file);

} // namespace torvelix::wordexport
