// Rewriting a file in place, for the files a rename would change (another user's file,
// one with more hard links): a backup copy first, the signals held back while the file
// is rewritten, the old content put back when the write fails.
#include "posix_write.h"

#include "utf8_text.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace torvelix::posixwrite {

namespace {

// Copies size bytes from the start of `from` to the start of `to`; the error number of
// the first failure, else 0.
int copyContent(int from, int to, off_t size) {
    char buffer[65536];
    off_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(from, buffer, sizeof buffer, done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got < 0 ? errno : EIO; // the content ended early
        }
        for (ssize_t put = 0; put < got;) {
            const ssize_t written =
                ::pwrite(to, buffer + put, static_cast<std::size_t>(got - put), done + put);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written < 0) {
                return errno;
            }
            put += written;
        }
        done += got;
    }
    return 0;
}

// The file's content made exactly size bytes of `from`, on the disk; 0 or an error number.
int rewrite(int file, int from, off_t size) {
    if (const int error = copyContent(from, file, size); error != 0) {
        return error;
    }
    if (::ftruncate(file, size) != 0 || ::fsync(file) != 0) {
        return errno;
    }
    return 0;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

void rewriteInPlace(const Folder& folder, const std::string& name, const struct stat& info,
                    int content, off_t size) {
    // Read and written through the one descriptor: the file checked is the file changed.
    const Descriptor file(
        ::openat(folder.fd(), name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        fail(errno);
    }
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) {
        fail(errno);
    }
    if (!S_ISREG(opened.st_mode) || opened.st_ino != info.st_ino || opened.st_dev != info.st_dev) {
        throw Failure{"файл заменен другим во время записи"};
    }

    TemporaryFile backup(folder, 0600, false);
    if (const int error = copyContent(file.get(), backup.fd(), opened.st_size); error != 0) {
        fail(error);
    }
    backup.sync();

    int error = 0;
    {
        const SignalBlock block;
        error = rewrite(file.get(), content, size);
        if (error != 0 && rewrite(file.get(), backup.fd(), opened.st_size) != 0) {
            backup.keep();
            throw Failure{errorReason(error) + "; прежнее содержимое файла сохранено в " +
                          escapeForMessage(backup.path())};
        }
    }
    if (error != 0) {
        fail(error);
    }
}

} // namespace torvelix::posixwrite
