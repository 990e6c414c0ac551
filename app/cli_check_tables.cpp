// Placeholder until its layer lands.
#include "commands.h"

#include <cstdio>

namespace torvelix::app {

int RunCheckTablesCommand(const std::vector<std::string>&, const std::string&) {
    std::fputs("torvelix: this command is not built yet\n", stderr);
    return 1;
}

} // namespace torvelix::app
