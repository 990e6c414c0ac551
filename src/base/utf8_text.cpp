// Well-formed UTF-8, escaping of the bytes that are not, and non-characters, all on
// the one decoder of utf8.h.
#include "utf8_text.h"

#include "utf8.h"

namespace torvelix {

namespace {

bool isNonCharacter(char32_t cp) {
    return (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFEu) == 0xFFFEu;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (!nextCodePoint(bytes, pos)) {
            return false;
        }
    }
    return true;
}

std::string escapeInvalidUtf8(std::string_view bytes) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        if (nextCodePoint(bytes, pos)) {
            out.append(bytes.substr(start, pos - start));
        } else {
            // A malformed byte: the decoder moved on by one.
            const auto byte = static_cast<unsigned char>(bytes[start]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

std::optional<char32_t> firstNonCharacter(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto cp = nextCodePoint(utf8, pos);
        if (cp && isNonCharacter(*cp)) {
            return cp;
        }
    }
    return std::nullopt;
}

std::string withoutNonCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const auto cp = nextCodePoint(utf8, pos);
        if (!cp || !isNonCharacter(*cp)) {
            out.append(utf8.substr(start, pos - start));
        }
    }
    return out;
}

} // namespace torvelix
