// The technical-requirements file of `torvelix draw --tt`: key=value lines holding the
// switches and texts of the requirements page.
#pragma once

#include "tech_requirements.h"

#include <cstddef>
#include <string>

namespace torvelix::cli {

// A requirements file is a few lines; anything larger is not one.
inline constexpr std::size_t kMaxTechFileBytes = 1 << 20;

// Reads the file into the page's controls; empty on success, else what is wrong with
// it (a command-line error). The file must be a readable regular file (a FIFO or a
// device is refused without waiting on it), at most kMaxTechFileBytes long, and
// text: UTF-8 (a BOM is skipped), or Windows-1251 when it is not UTF-8; control
// characters other than tab, CR and LF, and non-characters (U+FFFE, U+FFFF ...), are
// refused.
std::string readTechFile(const std::string& path, cad::TechRequirementControls& c);

} // namespace torvelix::cli
