// UTF-8, the program's internal text encoding: the one decoder every reader of text
// uses, and the encoder.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace torvelix {

// The code point of the well-formed UTF-8 sequence at pos, moving pos past it.
// Nothing for a malformed one (a stray continuation byte, a cut or overlong sequence,
// a surrogate, a value above U+10FFFF), pos then moving on by one byte. pos must be
// below text.size().
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos);

// Appends the UTF-8 sequence of a code point up to U+10FFFF.
void appendUtf8(std::string& out, char32_t cp);

// The number of characters in text, a malformed byte counting as one.
std::size_t countCharacters(std::string_view text);

} // namespace torvelix
