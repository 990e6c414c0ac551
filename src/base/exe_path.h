// Where the running program's own executable file is.
#pragma once

#include <string>

namespace torvelix {

// The absolute path of the running executable; when the system cannot tell, argv0
// made absolute.
std::string executablePath(const char* argv0);

} // namespace torvelix
