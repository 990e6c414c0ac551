// A folder of the program's own for one user, in the system's temporary folder.
#pragma once

#include <string>

namespace torvelix {

// The folder stem + "-" + the user's id in the system's temporary folder (TMPDIR, else
// /tmp), as an absolute path, made readable by the user alone when missing. A folder
// found there is used only when it is a folder (not a link) of the user's own and closed
// to others. Empty when there is no temporary folder or the folder cannot be made or is
// not fit.
std::string privateTemporaryFolder(const std::string& stem);

} // namespace torvelix
