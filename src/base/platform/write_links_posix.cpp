// Symbolic links on the way to a file the writer replaces: resolved component by
// component, each link checked by the kernel's protected-link rule before it is followed.
#include "posix_write.h"

#include "utf8_text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace torvelix::posixwrite {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40; // as the kernel's own limit

// The components of a path, last first (a stack of what is still to walk).
void pushComponents(const std::string& path, std::vector<std::string>& pending) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t slash = path.find('/', from);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        if (slash > from) {
            parts.push_back(path.substr(from, slash - from));
        }
        from = slash + 1;
    }
    pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

std::string folderOf(const fs::path& path) {
    const fs::path parent = path.parent_path();
    return parent.empty() ? "." : parent.string();
}

// fs.protected_symlinks: a link in a sticky folder that anyone may write is followed only
// when its owner is this user or the folder's owner.
void checkMayFollow(const fs::path& link, const struct stat& linkInfo) {
    const std::string folder = folderOf(link);
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) {
        fail(errno);
    }
    const bool shared = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    if (shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folderInfo.st_uid) {
        throw Failure{"символическая ссылка " + escapeForMessage(link.string()) +
                      " лежит в общей папке " + escapeForMessage(folder) +
                      " и принадлежит другому пользователю; по ней не записываю"};
    }
}

std::string readLink(const fs::path& link, const struct stat& info) {
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    while (true) {
        const ssize_t got = ::readlink(link.c_str(), target.data(), target.size());
        if (got < 0) {
            fail(errno);
        }
        if (static_cast<std::size_t>(got) < target.size()) {
            target.resize(static_cast<std::size_t>(got));
            return target;
        }
        target.resize(target.size() * 2); // the link grew since lstat
    }
}

[[noreturn]] void refuseDangling(const fs::path& link, const fs::path& missing) {
    throw Failure{"символическая ссылка " + escapeForMessage(link.string()) +
                  " ведет к несуществующему файлу " + escapeForMessage(missing.string())};
}

} // namespace

Resolved resolveForWriting(const std::string& path) {
    if (path.empty()) {
        fail(ENOENT);
    }
    std::vector<std::string> pending;
    pushComponents(path, pending);
    fs::path resolved = path[0] == '/' ? fs::path("/") : fs::path();
    // The link the user's final component is (the first one), once followed.
    fs::path finalLink;
    int links = 0;
    Resolved out;
    while (!pending.empty()) {
        const std::string name = pending.back();
        pending.pop_back();
        if (name == ".") {
            continue;
        }
        // ".." needs no collapsing: every component before it is a real folder by now.
        const fs::path candidate = resolved.empty() ? fs::path(name) : resolved / name;
        struct stat info {};
        if (::lstat(candidate.c_str(), &info) != 0) {
            const int error = errno;
            if (error == ENOENT && !finalLink.empty()) {
                refuseDangling(finalLink, candidate);
            }
            if (error == ENOENT && pending.empty()) {
                out.path = candidate.string();
                return out; // a new file
            }
            fail(error);
        }
        if (!S_ISLNK(info.st_mode)) {
            resolved = candidate;
            if (pending.empty()) {
                out.path = candidate.string();
                out.exists = true;
                out.info = info;
            }
            continue;
        }
        if (++links > kMaxLinks) {
            fail(ELOOP);
        }
        checkMayFollow(candidate, info);
        if (pending.empty() && finalLink.empty()) {
            finalLink = candidate;
        }
        const std::string target = readLink(candidate, info);
        if (!target.empty() && target[0] == '/') {
            resolved = "/";
        }
        pushComponents(target, pending);
    }
    // The path named a folder ("/", "a/.."): the caller refuses what is not a file.
    out.path = resolved.empty() ? "." : resolved.string();
    if (::stat(out.path.c_str(), &out.info) != 0) {
        fail(errno);
    }
    out.exists = true;
    return out;
}

} // namespace torvelix::posixwrite
