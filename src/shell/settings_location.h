// Where the window's settings file lives: beside the executable for a copy that keeps
// its tables beside it, in the user's configuration folder for an installed copy.
#pragma once

#include <QString>

#include <functional>
#include <string>

namespace torvelix::shell {

// Whether a new file can be created in the folder (one is created and removed).
bool folderAcceptsNewFiles(const QString& folder);

// $XDG_CONFIG_HOME when it is an absolute path, otherwise ~/.config.
QString userConfigHome();

// The settings file of the program at exePath: ExeBase + ".ini" when the program reads
// its tables from beside itself (a portable copy, the build folder) and that folder
// takes new files; otherwise configHome + "/torvelix/" + the executable's base name +
// ".ini" (/usr/bin/torvelix: ~/.config/torvelix/torvelix.ini). The same file is named
// for reading and for writing, so a size written is the size read back.
QString settingsPathFor(const std::string& exePath, const QString& configHome,
                        const std::function<bool(const QString&)>& folderTakesNewFiles);

// settingsPathFor with the user's configuration folder and the real folder check.
QString settingsPathFor(const std::string& exePath);

} // namespace torvelix::shell
