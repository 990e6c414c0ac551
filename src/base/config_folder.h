// Where the user's own settings of programs are kept on this system.
#pragma once

#include <string>

namespace torvelix {

// The folder that holds per-program settings folders: $XDG_CONFIG_HOME when it is set
// to an absolute path, else the home folder's ".config".
std::string userConfigFolder();

} // namespace torvelix
