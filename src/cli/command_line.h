// The command line as a library: the subcommands calc, draw and check-tables, run from
// the words after the program's name. Qt-free; the executable gives what needs Qt.
#pragma once

#include "output_formats.h"

#include <string>
#include <vector>

namespace torvelix::cli {

// What the executable lends the commands: the drawing's output formats. The built-in
// ones (DXF, SVG) are there by default; the executable adds PDF, which needs Qt. Without
// it, `draw -o FILE.pdf` writes what the fallback format writes, as for any other name.
struct CliServices {
    cad::OutputFormats drawingFormats = cad::builtinOutputFormats();
};

// words: the command and its options (argv from 1); exePath: the running executable's
// path, beside which the tables lie. Prints to standard output and standard error and
// returns the exit status: 0 success, 1 a handled failure was reported, 2 bad command
// line. An exception no command handles is said as an error and gives 1.
int runCommandLine(const std::vector<std::string>& words, const std::string& exePath,
                   const CliServices& services);

} // namespace torvelix::cli
