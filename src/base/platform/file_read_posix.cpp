// Reading a regular file through one descriptor opened with O_NONBLOCK and checked by fstat.
#include "file_read.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvelix {

ReadOutcome readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno == EISDIR ? ReadOutcome::NotRegular : ReadOutcome::Unreadable;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadOutcome::NotRegular;
    }
    bytes.assign(maxBytes + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return ReadOutcome::Unreadable;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return got > maxBytes ? ReadOutcome::TooLarge : ReadOutcome::Read;
}

} // namespace torvelix
