// The command line's entry: the subcommand named by the first word, the general help
// and the version.
#include "command_line.h"

#include "commands.h"
#include "utf8_text.h"

#include <cstdio>
#include <exception>

namespace torvelix::cli {

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
    "Each standard table, <program>_<number>.dat (for example torvelix_13766.dat),\n"
    "is looked for in $XDG_DATA_HOME/torvelix/ (default ~/.local/share/torvelix/),\n"
    "then /etc/torvelix/, then beside the executable, then in ../share/torvelix/\n"
    "next to the executable's folder (torvelix check-tables says where each was\n"
    "found).\n";

int runCommand(const std::vector<std::string>& words, const std::string& exePath,
               const CliServices& services) {
    const std::string& command = words.front();
    const std::vector<std::string> args(words.begin() + 1, words.end());
    if (command == "calc") {
        return runCalcCommand(args, exePath);
    }
    if (command == "draw") {
        return runDrawCommand(args, exePath, services);
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
    std::fprintf(stderr, "torvelix: unknown command '%s'\n\n%s", escapeInvalidUtf8(command).c_str(),
                 kHelp);
    return 2;
}

} // namespace

int runCommandLine(const std::vector<std::string>& words, const std::string& exePath,
                   const CliServices& services) {
    if (words.empty()) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    try {
        return runCommand(words, exePath, services);
    } catch (const std::exception& error) {
        // Nothing a command reports itself (out of memory, a table that vanished while
        // it was read): said as an error, and the run counts as failed.
        std::fflush(stdout);
        std::fprintf(stderr, "error: %s\n", escapeInvalidUtf8(error.what()).c_str());
        return 1;
    }
}

} // namespace torvelix::cli
