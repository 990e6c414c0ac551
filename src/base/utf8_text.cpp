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

namespace {

void appendHexByte(std::string& out, unsigned char byte) {
    static const char* const kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

std::string escaped(std::string_view bytes, bool keepLineBreaks) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const auto cp = nextCodePoint(bytes, pos);
        if (!cp) {
            // A malformed byte: the decoder moved on by one.
            appendHexByte(out, static_cast<unsigned char>(bytes[start]));
        } else if (keepLineBreaks && (*cp == '\r' || *cp == '\n')) {
            out += static_cast<char>(*cp);
        } else if (*cp < 0x20 || *cp == 0x7F) {
            appendHexByte(out, static_cast<unsigned char>(*cp));
        } else if (*cp >= 0x80 && *cp <= 0x9F) {
            out += "\\u00";
            out += "0123456789ABCDEF"[*cp >> 4];
            out += "0123456789ABCDEF"[*cp & 0x0F];
        } else {
            out.append(bytes.substr(start, pos - start));
        }
    }
    return out;
}

} // namespace

std::string escapeForMessage(std::string_view bytes) {
    return escaped(bytes, false);
}

std::string escapeInvalidUtf8(std::string_view bytes) {
    return escaped(bytes, true);
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
