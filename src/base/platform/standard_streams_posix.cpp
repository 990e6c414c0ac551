// Closed standard descriptors opened on /dev/null.
#include "standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

namespace torvelix {

void ensureStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0) {
            continue;
        }
        // open() takes the lowest free descriptor: this one.
        const int opened = ::open("/dev/null", O_RDONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

} // namespace torvelix
