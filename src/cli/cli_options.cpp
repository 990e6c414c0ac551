// Parsing of the subcommands' options.
#include "cli_options.h"

namespace torvelix::cli {

ParsedOptions parseOptions(const std::vector<std::string>& args,
                           const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flagOptions) {
    ParsedOptions out;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& word = args[k];
        if (word.rfind("--", 0) != 0 || word == "--") {
            out.positional.push_back(word);
            continue;
        }
        std::string name = word;
        std::string value;
        bool inlineValue = false;
        if (auto eq = word.find('='); eq != std::string::npos) {
            name = word.substr(0, eq);
            value = word.substr(eq + 1);
            inlineValue = true;
        }
        if (valueOptions.count(name)) {
            if (!inlineValue) {
                if (k + 1 >= args.size()) {
                    out.error = "option " + name + " needs a value";
                    return out;
                }
                value = args[++k];
            }
            out.values[name] = value;
        } else if (flagOptions.count(name) && !inlineValue) {
            out.flags.insert(name);
        } else {
            out.error = "unknown option " + word;
            return out;
        }
    }
    return out;
}

} // namespace torvelix::cli
