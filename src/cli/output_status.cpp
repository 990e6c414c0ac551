// Checking that the headless commands' output reached its destination.
#include "output_status.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace torvelix::cli {

int finishOutput(int status) {
    errno = 0;
    bool outFailed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    int outError = errno;
    // Closing stdout reports errors that only the last write-back meets (NFS, quota).
    if (std::fclose(stdout) != 0 && !outFailed) {
        outFailed = true;
        outError = errno;
    }
    if (outFailed) {
        std::fprintf(stderr, "torvelix: cannot write standard output: %s\n",
                     outError != 0 ? std::strerror(outError) : "write error");
    }
    const bool errFailed = std::fflush(stderr) != 0 || std::ferror(stderr) != 0;
    if ((outFailed || errFailed) && status == 0) {
        return 1;
    }
    return status;
}

} // namespace torvelix::cli
