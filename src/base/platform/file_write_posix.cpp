// The file writer on POSIX systems: an exclusive temporary file (O_EXCL) beside the
// target, fsync, permission bits carried over, rename.
#include "file_write.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace torvelix {

namespace {

std::string errorReason(int error) {
    switch (error) {
    case ENOENT:
        return "нет такого файла или папки";
    case EACCES:
    case EPERM:
        return "нет доступа";
    case ENOSPC:
        return "нет места на диске";
    case EDQUOT:
        return "превышена квота диска";
    case EROFS:
        return "файловая система только для чтения";
    case EISDIR:
        return "это папка";
    case ENOTDIR:
        return "часть пути не является папкой";
    case ENAMETOOLONG:
        return "слишком длинное имя";
    case ELOOP:
        return "слишком много символических ссылок";
    case EIO:
        return "ошибка ввода-вывода";
    default:
        return std::strerror(error);
    }
}

std::string replaceMessage(const std::string& path, const std::string& reason) {
    return "Не удалось записать файл " + path + ": " + reason;
}

// A failure inside the writer: errno's reason, or a refusal of our own.
struct Failure {
    std::string reason;
};

[[noreturn]] void fail(int error) {
    throw Failure{errorReason(error)};
}

// The file that a write to path replaces: symbolic links followed (a dangling one to
// the file it names, which is then created).
std::string resolveLinks(const std::string& path) {
    std::filesystem::path current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current.string();
        }
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(current, error);
        if (error) {
            fail(error.value());
        }
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    fail(ELOOP);
}

bool inGroup(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == group) {
            return true;
        }
    }
    return false;
}

// Read-only judged by the permission bits that apply to this user, not by access():
// the superuser may write anything, yet a file nobody may write is kept.
bool writableByBits(const struct stat& info) {
    const uid_t user = ::geteuid();
    if (user == 0) {
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    }
    if (info.st_uid == user) {
        return (info.st_mode & S_IWUSR) != 0;
    }
    if (inGroup(info.st_gid)) {
        return (info.st_mode & S_IWGRP) != 0;
    }
    return (info.st_mode & S_IWOTH) != 0;
}

mode_t currentUmask() {
    // umask can only be read by setting it; it is put back at once.
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return mask;
}

// A new file named prefix + eight random letters + suffix, created exclusively and
// readable by the user only; its descriptor, with path set.
int createNewFile(const std::string& prefix, const std::string& suffix, std::string& path) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 generator(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 8; ++i) {
            name += kLetters[pick(generator)];
        }
        name += suffix;
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0) {
            path = name;
            return fd;
        }
        if (errno != EEXIST) {
            fail(errno);
        }
    }
    fail(EEXIST);
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The temporary file while it is being written: closed and removed unless kept.
class TemporaryFile {
public:
    TemporaryFile(const std::string& prefix, const std::string& suffix)
        : fd_(createNewFile(prefix, suffix, path_)) {}
    ~TemporaryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!kept_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

    // Flushes the data to the disk and closes the file.
    void finish() {
        if (::fsync(fd_) != 0) {
            fail(errno);
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            fail(errno);
        }
    }
    void keep() { kept_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

void syncFolder(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // the rename itself is done; a failure here loses nothing
        ::close(fd);
    }
}

void replace(const std::string& path, const std::function<void(TemporaryFile&)>& fill) {
    const std::string target = resolveLinks(path);
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        fail(errno);
    }
    if (exists && !S_ISREG(info.st_mode)) {
        throw Failure{"это не обычный файл"};
    }
    if (exists && !writableByBits(info)) {
        throw Failure{"файл только для чтения"};
    }

    TemporaryFile temporary(target + ".tmp-", "");
    fill(temporary);
    if (exists) {
        if (info.st_uid != ::geteuid() || info.st_gid != ::getegid()) {
            // Only the superuser (or a member of the group) may; otherwise the file
            // becomes the writer's own, as any new file would.
            [[maybe_unused]] const int ignored = ::fchown(temporary.fd(), info.st_uid, info.st_gid);
        }
        if (::fchmod(temporary.fd(), info.st_mode & 07777) != 0) {
            fail(errno);
        }
    } else if (::fchmod(temporary.fd(), 0666 & ~currentUmask()) != 0) {
        fail(errno);
    }
    temporary.finish();
    if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
        fail(errno);
    }
    temporary.keep();
    syncFolder(target);
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    try {
        replace(path, [bytes](TemporaryFile& temporary) { writeAll(temporary.fd(), bytes); });
    } catch (const Failure& failure) {
        throw FileWriteError(replaceMessage(path, failure.reason), path, failure.reason);
    }
}

std::string writeNewFile(const std::string& folder, const std::string& stem,
                         const std::string& suffix, std::string_view bytes) {
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') {
        prefix += '/';
    }
    try {
        TemporaryFile file(prefix + stem + "-", suffix);
        writeAll(file.fd(), bytes);
        file.finish();
        file.keep();
        return file.path();
    } catch (const Failure& failure) {
        throw FileWriteError("Не удалось создать файл в папке " + folder + ": " + failure.reason,
                             folder, failure.reason);
    }
}

bool isWritableFolder(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace torvelix
