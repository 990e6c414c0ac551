// Shared by the writers of the drawing backend: reading a UTF-8 text character by
// character, and writing a whole output file at once, into a temporary file beside the
// target then renamed over it, so that a failed save leaves an existing file intact.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace torvelix::cad {

// The code point of the UTF-8 sequence at pos, moving pos past it; nothing for a malformed
// sequence, pos then moving on by one byte.
std::optional<std::uint32_t> NextCodePoint(const std::string& text, std::size_t& pos);

// Throws std::runtime_error "Не удалось сохранить чертеж в файл <path>: <reason>" when the
// file cannot be written; no temporary file is left behind then.
void WriteFileAtomically(const std::string& path, const std::string& contents);

} // namespace torvelix::cad
