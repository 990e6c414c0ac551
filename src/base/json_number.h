// Numbers in the program's JSON output: the shortest decimal form that reads back as
// the same double, or null for a value JSON cannot hold.
#pragma once

#include <string>

namespace torvelix {

// 12.5 -> "12.5", 0.1 -> "0.1", 1e+30 -> "1e+30"; infinities and NaN -> "null".
std::string formatJsonNumber(double value);

} // namespace torvelix
