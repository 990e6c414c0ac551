// What a replaced file keeps: owner, group, permission bits, the ACL and the other
// extended attributes, given to the new file before it takes the old one's name.
#include "posix_write.h"

#include <cerrno>
#include <string>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace torvelix::posixwrite {

namespace {

// The names of the file's extended attributes; nothing when they cannot be listed.
bool attributeNames(const std::string& path, std::vector<std::string>& names) {
    std::string list;
    while (true) {
        const ssize_t size = ::llistxattr(path.c_str(), nullptr, 0);
        if (size < 0) {
            // A file system without extended attributes has none to keep.
            return errno == ENOTSUP;
        }
        list.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::llistxattr(path.c_str(), list.data(), list.size());
        if (got >= 0) {
            list.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE) {
            return false;
        }
    }
    for (std::size_t from = 0; from < list.size();) {
        const std::size_t end = list.find('\0', from);
        names.push_back(list.substr(from, end - from));
        from = end == std::string::npos ? list.size() : end + 1;
    }
    return true;
}

bool copyAttribute(const std::string& path, const std::string& name, int fd) {
    std::string value;
    while (true) {
        const ssize_t size = ::lgetxattr(path.c_str(), name.c_str(), nullptr, 0);
        if (size < 0) {
            return false;
        }
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::lgetxattr(path.c_str(), name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE) {
            return false;
        }
    }
    return ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0;
}

} // namespace

bool carryOver(int fd, const std::string& path, const struct stat& info) {
    // Changing the owner clears set-user-ID bits: the permission bits come after it.
    if ((info.st_uid != ::geteuid() || info.st_gid != ::getegid()) &&
        ::fchown(fd, info.st_uid, info.st_gid) != 0) {
        return false;
    }
    if (::fchmod(fd, info.st_mode & 07777) != 0) {
        return false;
    }
    // The ACL (system.posix_acl_access) is one of these; its mask matches the group
    // bits just set.
    std::vector<std::string> names;
    if (!attributeNames(path, names)) {
        return false;
    }
    for (const std::string& name : names) {
        if (!copyAttribute(path, name, fd)) {
            return false;
        }
    }
    return true;
}

} // namespace torvelix::posixwrite
