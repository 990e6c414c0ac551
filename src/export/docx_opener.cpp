// Finds and starts the program that shows a written .docx document.
#include "docx_opener.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace torvelix::wordexport {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::string ResolveOpener(const std::string& configured) {
    std::string name = configured;
    if (name.empty()) {
        const char* variable = std::getenv(kOpenerVariable);
        name = variable != nullptr && *variable != '\0' ? variable : kDefaultOpener;
    }
    if (name.find('/') != std::string::npos) {
        if (IsExecutableFile(name)) {
            return name;
        }
        throw std::runtime_error("no program to show .docx documents: " + name +
                                 " is not an executable file");
    }
    const char* searchPath = std::getenv("PATH");
    const std::string directories =
        searchPath != nullptr && *searchPath != '\0' ? searchPath : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= directories.size()) {
        std::size_t end = directories.find(':', start);
        if (end == std::string::npos) {
            end = directories.size();
        }
        const std::string directory = directories.substr(start, end - start);
        const std::string candidate = (directory.empty() ? "." : directory) + "/" + name;
        if (IsExecutableFile(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    throw std::runtime_error("no program to show .docx documents: " + name + " not found in PATH");
}

void LaunchOpener(const std::string& openerPath, const std::string& file) {
    // The opener and the file are positional parameters of the shell, never parsed
    // as shell text. Twenty rounds of a tenth of a second bound the wait.
    const char* script = "\"$0\" \"$@\" </dev/null >/dev/null 2>&1 &\n"
                         "opener=$!\n"
                         "round=0\n"
                         "while [ $round -lt 20 ]; do\n"
                         "    if ! kill -0 $opener 2>/dev/null; then wait $opener; exit $?; fi\n"
                         "    sleep 0.1\n"
                         "    round=$((round + 1))\n"
                         "done\n";
    const char* argv[] = {"sh", "-c", script, openerPath.c_str(), file.c_str(), nullptr};
    pid_t shell = 0;
    const int error =
        ::posix_spawn(&shell, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ);
    if (error != 0) {
        throw std::runtime_error("cannot start " + openerPath + ": " + std::strerror(error));
    }
    int status = 0;
    while (::waitpid(shell, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("cannot start " + openerPath + ": " + std::strerror(errno));
        }
    }
    if (!WIFEXITED(status)) {
        throw std::runtime_error("cannot start " + openerPath);
    }
    if (WEXITSTATUS(status) != 0) {
        throw std::runtime_error(openerPath + " could not show " + file + " (exit status " +
                                 std::to_string(WEXITSTATUS(status)) + ")");
    }
}

} // namespace torvelix::wordexport
