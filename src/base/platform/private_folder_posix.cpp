// The user's private folder on POSIX systems: named after the user id, made with mode
// 0700, and checked with lstat so that a link another user put in its place is refused.
#include "private_folder.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace torvelix {

std::string privateTemporaryFolder(const std::string& stem) {
    std::error_code error;
    // Absolute, so that a path handed to another program never reads as an option (a
    // relative TMPDIR of "-x").
    const std::filesystem::path temp =
        std::filesystem::absolute(std::filesystem::temp_directory_path(error), error);
    if (error) {
        return {};
    }
    const std::filesystem::path folder = temp / (stem + "-" + std::to_string(::getuid()));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 0077) != 0) {
        return {};
    }
    return folder.string();
}

} // namespace torvelix
