// The one executable: no arguments open the window; a subcommand runs the command line.
#include "command_line.h"
#include "exe_path.h"
#include "output_status.h"
#include "pdf_output.h"
#include "pipe_signal.h"
#include "standard_streams.h"
#include "window_arguments.h"
#include "window_main.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    // A closed standard descriptor would be taken by the next file opened (a drawing
    // being written would receive the program's output).
    torvelix::ensureStandardDescriptors();
    const std::string first = argc < 2 ? "" : argv[1];
    // No subcommand, or Qt's own options (-platform, -style ...): the window.
    if (argc < 2 ||
        (first.rfind("-", 0) == 0 && first != "--help" && first != "-h" && first != "--version")) {
        if (const int refused = torvelix::app::checkWindowArguments(argc, argv); refused >= 0) {
            return refused;
        }
        return torvelix::app::runWindow(argc, argv);
    }
    torvelix::ignoreBrokenPipe();
    torvelix::cli::CliServices services;
    services.drawingFormats.add(torvelix::app::headlessPdfFormat());
    const int status =
        torvelix::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc),
                                      torvelix::executablePath(argv[0]), services);
    return torvelix::cli::finishOutput(status);
}
