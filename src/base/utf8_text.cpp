// Well-formed UTF-8, escaping of the bytes that are not, and non-characters.
#include "utf8_text.h"

#include <cstdint>
#include <utility>

namespace torvelix {

namespace {

// The character starting at pos and its length in bytes; nothing when the bytes there
// are not a well-formed UTF-8 character.
std::optional<std::pair<char32_t, std::size_t>> CharacterAt(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        return std::pair<char32_t, std::size_t>{lead, 1};
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1Fu, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0Fu, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07u, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > s.size()) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(s[pos + k]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair<char32_t, std::size_t>{cp, length};
}

bool IsNonCharacter(char32_t cp) {
    return (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFEu) == 0xFFFEu;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto ch = CharacterAt(bytes, pos);
        if (!ch) {
            return false;
        }
        pos += ch->second;
    }
    return true;
}

std::string EscapeInvalidUtf8(std::string_view bytes) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (const auto ch = CharacterAt(bytes, pos)) {
            out.append(bytes.substr(pos, ch->second));
            pos += ch->second;
        } else {
            const auto byte = static_cast<unsigned char>(bytes[pos++]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

std::optional<char32_t> FirstNonCharacter(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto ch = CharacterAt(utf8, pos);
        if (!ch) {
            ++pos;
            continue;
        }
        if (IsNonCharacter(ch->first)) {
            return ch->first;
        }
        pos += ch->second;
    }
    return std::nullopt;
}

std::string WithoutNonCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto ch = CharacterAt(utf8, pos);
        const std::size_t length = ch ? ch->second : 1;
        if (!ch || !IsNonCharacter(ch->first)) {
            out.append(utf8.substr(pos, length));
        }
        pos += length;
    }
    return out;
}

} // namespace torvelix
