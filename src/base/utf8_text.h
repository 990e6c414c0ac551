// Checks on UTF-8 text that comes from outside the program (file names, files given
// on the command line) before it reaches a message or a drawing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvelix {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The text as a message quotes it (a file name, a table field): every byte that is not
// part of a well-formed UTF-8 character and every control character (C0 with NUL, CR
// and LF, DEL) written as \xNN (two upper-case hex digits), a C1 control as \u0080 ..
// \u009F, so that a message is valid UTF-8, is never cut at a NUL and sends no
// terminal a command.
std::string escapeForMessage(std::string_view bytes);

// A whole message as it is shown: escaped as escapeForMessage, except CR and LF, which
// are the message's own line breaks.
std::string escapeInvalidUtf8(std::string_view bytes);

// Whether the UTF-8 text holds a non-character (U+FFFE, U+FFFF, U+FDD0 .. U+FDEF and
// the last two code points of every plane); the first one found, else nothing.
std::optional<char32_t> firstNonCharacter(std::string_view utf8);

// The UTF-8 text without its non-characters.
std::string withoutNonCharacters(std::string_view utf8);

} // namespace torvelix
