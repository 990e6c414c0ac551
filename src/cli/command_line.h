// The command line as a library: the subcommands calc, draw and check-tables, run from
// the words after the program's name. Qt-free; the executable gives what needs Qt.
#pragma once

#include "drawing_document.h"

#include <functional>
#include <string>
#include <vector>

namespace torvelix::cli {

// What the executable lends the commands: writing a PDF page (Qt's writer). Without
// it, `draw -o FILE.pdf` reports that PDF output is not available.
struct CliServices {
    std::function<void(const cad::DrawingDocument&, const std::string&)> writePdf;
};

// words: the command and its options (argv from 1); exePath: the running executable's
// path, beside which the tables lie. Prints to standard output and standard error and
// returns the exit status: 0 success, 1 a handled failure was reported, 2 bad command
// line. An exception no command handles is said as an error and gives 1.
int runCommandLine(const std::vector<std::string>& words, const std::string& exePath,
                   const CliServices& services);

} // namespace torvelix::cli
