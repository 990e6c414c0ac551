// The desktop's way of opening a document with the application chosen for its type.
#pragma once

#include <string>

namespace torvelix {

// The program that opens a document given as its one argument with the desktop's
// application for the document's type, as a name to look up (findProgram).
std::string desktopOpener();

} // namespace torvelix
