// `torvelix check-tables`: lists every fault of the thirteen standard tables.
#include "cli_options.h"
#include "commands.h"
#include "shipped_estimates.h"
#include "table_checker.h"
#include "table_files.h"
#include "table_search.h"
#include "utf8_text.h"

#include <cstdio>
#include <filesystem>

namespace torvelix::cli {

namespace {

// The guide's path goes between the two parts of the help.
const char* kCheckTablesHelp =
    "Usage: torvelix check-tables [--base PATH]\n"
    "\n"
    "Reads the thirteen standard tables and prints one line per fault found, as\n"
    "'<file>:<line>: <what>': fields that do not convert, a spring-table row whose F3\n"
    "differs from c1 * s3' by more than 1 %, an index (D1 - d) / d outside 4 .. 12,\n"
    "rows not ordered by F3 then d, a classification row naming a spring table that\n"
    "cannot be read, wire diameters of a spring table that the wire table lacks, a\n"
    "free pitch above 0.7 of the mean diameter, an empty spring table, a wire table\n"
    "without rows, and lines longer than 4096 bytes or ending in CR alone.\n"
    "Standard error says where each table was found, and names each spring table\n"
    "that is still the computed estimate shipped with the program (the tables' guide,\n";
const char* kCheckTablesHelpRest =
    ", says how to replace it); that is no fault.\n"
    "\n"
    "  --base PATH   where the tables are: a folder holding NNNN.dat (as in the\n"
    "                sources' data folder), or a prefix to which _NNNN.dat is added\n"
    "                (as beside the program). Default: the tables this program reads,\n"
    "                each looked for in $XDG_DATA_HOME/torvelix/ (default\n"
    "                ~/.local/share/torvelix/), then /etc/torvelix/, then beside the\n"
    "                program, else in ../share/torvelix/ from its folder.\n"
    "\n"
    "Exit status: 0 no fault, 1 faults found, 2 bad command line.\n";

int usage(const std::string& error) {
    std::fprintf(stderr, "torvelix check-tables: %s\n(see torvelix check-tables --help)\n",
                 escapeInvalidUtf8(error).c_str());
    return 2;
}

} // namespace

int runCheckTablesCommand(const std::vector<std::string>& args, const std::string& exePath) {
    const auto options = parseOptions(args, {"--base"}, {"--help"});
    if (!options.error.empty()) {
        return usage(options.error);
    }
    const std::string guide = tables::tableGuidePath(exePath);
    if (options.has("--help") ||
        (!options.positional.empty() && options.positional.front() == "-h")) {
        std::fputs((kCheckTablesHelp + guide + kCheckTablesHelpRest).c_str(), stdout);
        return 0;
    }
    if (!options.positional.empty()) {
        return usage("unexpected argument " + options.positional.front());
    }
    const tables::TableSearch search = tables::tableSearchOf(exePath);
    tables::TablePathOf pathOf = [&search](const std::string& number) {
        return tables::locateTable(search, number).path;
    };
    bool given = false;
    if (auto base = options.values.find("--base"); base != options.values.end()) {
        if (base->second.empty()) {
            return usage("--base needs a path");
        }
        std::error_code ec;
        if (std::filesystem::is_directory(base->second, ec)) {
            pathOf = tables::tablesInFolder(base->second);
        } else {
            pathOf = [prefix = base->second](const std::string& number) {
                return prefix + "_" + number + ".dat";
            };
        }
        given = true;
    }
    for (const char* number : tables::kTableNumbers) {
        const auto place = given ? tables::TablePlace::Given : locateTable(search, number).place;
        std::fprintf(stderr, "torvelix check-tables: table %s: %s (%s)\n", number,
                     escapeInvalidUtf8(pathOf(number)).c_str(), tables::placeName(place).c_str());
    }
    for (const auto& number : tables::shippedEstimatesIn(pathOf)) {
        std::fprintf(stderr,
                     "torvelix check-tables: %s: the computed estimate shipped with the "
                     "program, not the standard's table (see %s)\n",
                     escapeInvalidUtf8(pathOf(number)).c_str(), guide.c_str());
    }
    const auto faults = tables::checkTableSet(pathOf);
    for (const auto& fault : faults) {
        std::printf("%s\n", escapeInvalidUtf8(tables::formatFault(fault)).c_str());
    }
    if (faults.empty()) {
        return 0;
    }
    std::fprintf(stderr, "torvelix check-tables: %zu fault%s found\n", faults.size(),
                 faults.size() == 1 ? "" : "s");
    return 1;
}

} // namespace torvelix::cli
