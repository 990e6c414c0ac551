// The executable's own path on Linux: the /proc/self/exe link.
#include "exe_path.h"

#include <filesystem>

namespace torvelix {

std::string executablePath(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return self.string();
    }
    return std::filesystem::absolute(argv0, ec).string();
}

} // namespace torvelix
