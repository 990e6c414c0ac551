// The one executable: no arguments open the window; a subcommand runs headless.
#include "commands.h"
#include "exe_path.h"
#include "output_status.h"
#include "pipe_signal.h"
#include "standard_streams.h"
#include "utf8_text.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

const char* kHelp =
    "torvelix - helical compression springs of round steel wire by GOST 13765-86\n"
    "\n"
    "Usage:\n"
    "  torvelix                 open the window (the eight-page wizard)\n"
    "  torvelix calc [options]  list the standard springs that fit and report one\n"
    "  torvelix draw [options]  draw a spring into a DXF file\n"
    "  torvelix check-tables    check the thirteen standard tables the program reads\n"
    "  torvelix COMMAND --help  the options of one command\n"
    "  torvelix --version       the program's version\n"
    "\n"
    "The standard tables are read from files beside the executable, named\n"
    "<program>_<number>.dat (for example torvelix_13766.dat), or, when there are\n"
    "none, from ../share/torvelix/ next to the executable's folder.\n";

} // namespace

namespace {

int runCommand(int argc, char** argv) {
    using namespace torvelix::app;
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    const std::string exePath = torvelix::executablePath(argv[0]);
    if (command == "calc") {
        return runCalcCommand(args, exePath);
    }
    if (command == "draw") {
        return runDrawCommand(args, exePath);
    }
    if (command == "check-tables") {
        return runCheckTablesCommand(args, exePath);
    }
    if (command == "--version") {
        std::printf("torvelix %s\n", TORVELIX_VERSION);
        return 0;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kHelp, stdout);
        return 0;
    }
    std::fprintf(stderr, "torvelix: unknown command '%s'\n\n%s",
                 torvelix::escapeInvalidUtf8(command).c_str(), kHelp);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    using namespace torvelix::app;
    // A closed standard descriptor would be taken by the next file opened (a drawing
    // being written would receive the program's output).
    torvelix::ensureStandardDescriptors();
    const std::string first = argc < 2 ? "" : argv[1];
    // No subcommand, or Qt's own options (-platform, -style ...): the window.
    if (argc < 2 ||
        (first.rfind("-", 0) == 0 && first != "--help" && first != "-h" && first != "--version")) {
        return runWindow(argc, argv);
    }
    torvelix::ignoreBrokenPipe();
    int status = 1;
    try {
        status = runCommand(argc, argv);
    } catch (const std::exception& error) {
        // Nothing a command reports itself (out of memory, a table that vanished while
        // it was read): said as an error, and the run counts as failed.
        std::fflush(stdout);
        std::fprintf(stderr, "error: %s\n", torvelix::escapeInvalidUtf8(error.what()).c_str());
    }
    return finishOutput(status);
}
