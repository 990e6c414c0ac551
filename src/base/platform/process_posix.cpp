// Finding a program along PATH and starting it with posix_spawn through /bin/sh.
#include "process.h"

#include "errors.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace torvelix {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> findProgram(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return isExecutableFile(name) ? std::optional<std::string>(name) : std::nullopt;
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
        if (isExecutableFile(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}

int startProgram(const std::string& program, const std::string& argument) {
    // The program and its argument are positional parameters of the shell, never
    // parsed as shell text. Twenty rounds of a tenth of a second bound the wait; the
    // shell between keeps a program still running from becoming a zombie.
    const char* script = "\"$0\" \"$@\" </dev/null >/dev/null 2>&1 &\n"
                         "program=$!\n"
                         "round=0\n"
                         "while [ $round -lt 20 ]; do\n"
                         "    if ! kill -0 $program 2>/dev/null; then wait $program; exit $?; fi\n"
                         "    sleep 0.1\n"
                         "    round=$((round + 1))\n"
                         "done\n";
    const char* argv[] = {"sh", "-c", script, program.c_str(), argument.c_str(), nullptr};
    pid_t shell = 0;
    const int error =
        ::posix_spawn(&shell, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ);
    if (error != 0) {
        throw UserError("cannot start " + program + ": " + std::strerror(error));
    }
    int status = 0;
    while (::waitpid(shell, &status, 0) < 0) {
        if (errno != EINTR) {
            throw UserError("cannot start " + program + ": " + std::strerror(errno));
        }
    }
    if (!WIFEXITED(status)) {
        throw UserError("cannot start " + program);
    }
    return WEXITSTATUS(status);
}

} // namespace torvelix
