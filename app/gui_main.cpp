// Placeholder until the window lands.
#include "commands.h"

#include <cstdio>

namespace torvelix::app {

int RunWindow(int, char**) {
    std::fputs("torvelix: the window is not built yet; see torvelix --help\n", stderr);
    return 1;
}

} // namespace torvelix::app
