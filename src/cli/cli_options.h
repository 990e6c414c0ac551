// A small parser for the subcommands' "--name value" and "--flag" options.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace torvelix::cli {

struct ParsedOptions {
    std::map<std::string, std::string> values; // "--F1" -> "20" (last one wins)
    std::set<std::string> flags;               // "--no-stability"
    std::vector<std::string> positional;
    std::string error; // non-empty: the command line is wrong; say so and exit 2
    bool has(const std::string& name) const { return values.count(name) || flags.count(name); }
};

// valueOptions take the next word as their value (also "--name=value");
// flagOptions take none. Anything else starting with "--" is an error.
ParsedOptions parseOptions(const std::vector<std::string>& args,
                           const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flagOptions);

} // namespace torvelix::cli
