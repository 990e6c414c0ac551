// Windows-1251, the code page of the table and settings files, to and from UTF-8,
// the program's internal text encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvelix {

std::string cp1251ToUtf8(std::string_view bytes);

// Characters that Windows-1251 cannot hold give no result.
std::optional<std::string> utf8ToCp1251(std::string_view utf8);

} // namespace torvelix
