// The user's settings and data folders on a free desktop (the XDG base directory
// rule), and the system's configuration folder.
#include "config_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace torvelix {

namespace {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

// $variable when it holds an absolute path (a relative one is to be ignored), else
// the home folder's subfolder.
std::string xdgFolder(const char* variable, const std::string& underHome) {
    if (const char* configured = std::getenv(variable);
        configured != nullptr && configured[0] == '/') {
        return configured;
    }
    std::string home = homeFolder();
    if (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    return home == "/" ? "/" + underHome : home + "/" + underHome;
}

} // namespace

std::string userConfigFolder() {
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string userDataFolder() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string siteConfigFolder() {
    return "/etc";
}

} // namespace torvelix
