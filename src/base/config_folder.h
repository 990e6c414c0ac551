// Where the user's own settings and data of programs are kept on this system, and the
// system-wide folder of a site's own files.
#pragma once

#include <string>

namespace torvelix {

// The folder that holds per-program settings folders: $XDG_CONFIG_HOME when it is set
// to an absolute path, else the home folder's ".config".
std::string userConfigFolder();

// The folder that holds per-program data folders of the user: $XDG_DATA_HOME when it
// is set to an absolute path, else the home folder's ".local/share".
std::string userDataFolder();

// The system-wide folder of a site's configuration ("/etc").
std::string siteConfigFolder();

} // namespace torvelix
