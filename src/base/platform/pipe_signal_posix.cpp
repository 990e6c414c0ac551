// A write to a closed pipe raises SIGPIPE, which ends the program unless ignored.
#include "pipe_signal.h"

#include <csignal>

namespace torvelix {

void ignoreBrokenPipe() {
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace torvelix
