// The file writer on POSIX systems: links resolved as the kernel would follow them, the
// new content in a temporary file beside the target (unnamed where the system allows),
// fsync, owner, mode and attributes carried over, rename; a file that a rename would take
// from its owner or its other hard links is rewritten in place after a backup copy.
#include "file_write.h"

#include "platform/posix_write.h"
#include "utf8_text.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace torvelix {

namespace posixwrite {

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

void fail(int error) {
    throw Failure{errorReason(error)};
}

Folder::Folder(const std::string& path, bool followLink) : path_(path) {
    const int noFollow = followLink ? 0 : O_NOFOLLOW;
#ifdef O_PATH
    fd_ = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC | noFollow);
#else
    fd_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | noFollow);
#endif
    if (fd_ < 0) {
        fail(errno);
    }
}

Folder::~Folder() {
    ::close(fd_);
}

namespace {

// The folder is the reason when it refuses a new file.
[[noreturn]] void failInFolder(int error, const Folder& folder) {
    if (error == EACCES || error == EPERM) {
        throw Failure{"нет доступа к папке " + escapeForMessage(folder.path())};
    }
    fail(error);
}

} // namespace

namespace {

std::string randomName(const std::string& prefix, const std::string& suffix) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 generator(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = prefix;
    for (int i = 0; i < 8; ++i) {
        name += kLetters[pick(generator)];
    }
    return name + suffix;
}

} // namespace

int createExclusive(const Folder& folder, const std::string& prefix, const std::string& suffix,
                    mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = randomName(prefix, suffix);
        const int fd = ::openat(folder.fd(), candidate.c_str(),
                                O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0) {
            name = candidate;
            return fd;
        }
        if (errno != EEXIST) {
            failInFolder(errno, folder);
        }
    }
    fail(EEXIST);
}

void writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(errno);
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

namespace {

constexpr const char* kTemporaryPrefix = ".tvx";

bool procFdAvailable() {
    return ::access("/proc/self/fd", X_OK) == 0;
}

} // namespace

TemporaryFile::TemporaryFile(const Folder& folder, mode_t mode, bool unnamed) : folder_(folder) {
#ifdef O_TMPFILE
    if (unnamed && procFdAvailable()) {
        fd_ = ::openat(folder.fd(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            return;
        }
        // EOPNOTSUPP, EISDIR or EINVAL: a file system without unnamed files.
        if (errno == EACCES || errno == EPERM || errno == ENOSPC || errno == EDQUOT ||
            errno == EROFS) {
            failInFolder(errno, folder);
        }
    }
#endif
    SignalBlock block; // created and registered together
    fd_ = createExclusive(folder, kTemporaryPrefix, "", mode, name_);
    registered_ = std::make_unique<RegisteredName>(folder.fd(), name_);
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!kept_ && !name_.empty()) {
        ::unlinkat(folder_.fd(), name_.c_str(), 0);
    }
}

std::string TemporaryFile::path() const {
    return folder_.path() + "/" + name_;
}

void TemporaryFile::sync() {
    if (::fsync(fd_) != 0) {
        fail(errno);
    }
}

void TemporaryFile::giveName() {
    if (!name_.empty()) {
        return;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        SignalBlock block; // linked and registered together
        const std::string name = randomName(kTemporaryPrefix, "");
        if (::linkat(AT_FDCWD, self.c_str(), folder_.fd(), name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name_ = name;
            registered_ = std::make_unique<RegisteredName>(folder_.fd(), name_);
            return;
        }
        if (errno != EEXIST) {
            failInFolder(errno, folder_);
        }
    }
    fail(EEXIST);
}

void TemporaryFile::keep() {
    kept_ = true;
    registered_.reset();
}

void TemporaryFile::closeFile() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail(errno);
    }
}

} // namespace posixwrite

namespace {

using posixwrite::Failure;
using posixwrite::Folder;
using posixwrite::TemporaryFile;

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

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // the rename itself is done; a failure here loses nothing
        ::close(fd);
    }
}

// Fills a temporary file beside the file path resolves to, then puts it in place.
void replace(const std::string& path, bool unnamed,
             const std::function<void(TemporaryFile&)>& fill) {
    const posixwrite::Resolved target = posixwrite::resolveForWriting(path);
    if (target.exists && !S_ISREG(target.info.st_mode)) {
        throw Failure{"это не обычный файл"};
    }
    if (target.exists && !writableByBits(target.info)) {
        throw Failure{"файл только для чтения"};
    }
    const std::filesystem::path resolved(target.path);
    const std::string name = resolved.filename().string();
    if (name.size() > NAME_MAX) {
        posixwrite::fail(ENAMETOOLONG);
    }
    const Folder folder(resolved.parent_path().empty() ? "." : resolved.parent_path().string(),
                        false);

    // A new file is made with the usual mode, less the umask (or as the folder's
    // default ACL says); a replacement starts private and takes the old file's.
    TemporaryFile temporary(folder, target.exists ? 0600 : 0666, unnamed);
    fill(temporary);
    if (target.exists && (target.info.st_nlink > 1 ||
                          !posixwrite::carryOver(temporary.fd(), target.path, target.info))) {
        struct stat content {};
        if (::fstat(temporary.fd(), &content) != 0) {
            posixwrite::fail(errno);
        }
        posixwrite::rewriteInPlace(folder, name, target.info, temporary.fd(), content.st_size);
        return;
    }
    temporary.sync();
    temporary.giveName();
    if (::renameat(folder.fd(), temporary.name().c_str(), folder.fd(), name.c_str()) != 0) {
        posixwrite::fail(errno);
    }
    temporary.keep();
    syncFolder(folder.path());
}

std::string replaceMessage(const std::string& path, const std::string& reason) {
    return "Не удалось записать файл " + escapeForMessage(path) + ": " + reason;
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    try {
        replace(path, true, [bytes](TemporaryFile& temporary) {
            posixwrite::writeAll(temporary.fd(), bytes.data(), bytes.size());
        });
    } catch (const Failure& failure) {
        throw FileWriteError(replaceMessage(path, failure.reason), path, failure.reason);
    }
}

void writeFileAtomicallyThrough(const std::string& path,
                                const std::function<void(const std::string&)>& fill) {
    try {
        replace(path, false, [&fill](TemporaryFile& temporary) {
            fill(temporary.path());
            // The file written must still be the one created exclusively.
            struct stat opened {};
            struct stat named {};
            if (::fstat(temporary.fd(), &opened) != 0 ||
                ::lstat(temporary.path().c_str(), &named) != 0 || opened.st_ino != named.st_ino ||
                opened.st_dev != named.st_dev) {
                throw Failure{"временный файл подменен"};
            }
        });
    } catch (const Failure& failure) {
        throw FileWriteError(replaceMessage(path, failure.reason), path, failure.reason);
    }
}

std::string writeNewFile(const std::string& folder, const std::string& stem,
                         const std::string& suffix, std::string_view bytes) {
    try {
        const Folder where(folder);
        std::string name;
        int fd = -1;
        {
            posixwrite::SignalBlock block;
            fd = posixwrite::createExclusive(where, stem + "-", suffix, 0600, name);
        }
        std::string path = folder;
        if (!path.empty() && path.back() != '/') {
            path += '/';
        }
        path += name;
        try {
            posixwrite::writeAll(fd, bytes.data(), bytes.size());
            if (::fsync(fd) != 0) {
                posixwrite::fail(errno);
            }
        } catch (...) {
            ::close(fd);
            ::unlinkat(where.fd(), name.c_str(), 0);
            throw;
        }
        if (::close(fd) != 0) {
            ::unlinkat(where.fd(), name.c_str(), 0);
            posixwrite::fail(errno);
        }
        return path;
    } catch (const Failure& failure) {
        throw FileWriteError("Не удалось создать файл в папке " + escapeForMessage(folder) + ": " +
                                 failure.reason,
                             folder, failure.reason);
    }
}

bool isWritableFolder(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace torvelix
