// The user's settings folder on a free desktop: the XDG base directory rule.
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

} // namespace

std::string userConfigFolder() {
    if (const char* configured = std::getenv("XDG_CONFIG_HOME");
        configured != nullptr && configured[0] == '/') {
        return configured;
    }
    std::string home = homeFolder();
    if (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    return home == "/" ? "/.config" : home + "/.config";
}

} // namespace torvelix
