// Group codes and values into memory as the DXF file holds them, and drawing texts in the
// file's code page.
#include "dxf_stream.h"

#include "cp1251.h"
#include "number_format.h"
#include "utf8.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace torvelix::cad::dxf {

namespace {

std::string formatReal(double value) {
    // Ten decimals (a tenth of a nanometre) without trailing zeros but with at least one
    // decimal, never in exponent form, which some readers do not take.
    std::string text = formatTrimmedDecimals(value, 10);
    if (text.find('.') == std::string::npos) {
        text += ".0";
    }
    return text;
}

} // namespace

void BufferWriter::dxfReal(int gc, double value) const {
    if (view_) {
        // The viewport's centre (12, 22) and height (40).
        value = gc == 12   ? view_->centreX
                : gc == 22 ? view_->centreY
                : gc == 40 ? view_->height
                           : value;
    }
    put(gc, formatReal(value));
}

void BufferWriter::dxfInt(int gc, int value) const {
    put(gc, std::to_string(value));
}

void BufferWriter::dxfHex(int gc, int value) const {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   static_cast<unsigned>(value), 16)
                         .ptr;
    std::string text(digits.data(), end);
    for (char& ch : text) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    put(gc, text);
}

void BufferWriter::dxfString(int gc, const char* value) const {
    put(gc, value);
}

void BufferWriter::dxfString(int gc, const std::string& value) const {
    put(gc, value);
}

void BufferWriter::put(int gc, std::string_view value) const {
    if (gc == 8 && paperSpace_) {
        line(67, "1");
    }
    line(gc, value);
}

void BufferWriter::line(int gc, std::string_view value) const {
    if (gc < 10) {
        out_ += "  ";
    } else if (gc < 100) {
        out_ += ' ';
    }
    out_ += std::to_string(gc);
    out_ += '\n';
    out_ += value;
    out_ += '\n';
}

// A caret alone would be read as the start of a control character. "%%c" and its kind stay
// as they are, as for a text added through automation.
std::string encodeText(const std::string& utf8) {
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> cp = nextCodePoint(utf8, pos);
        if (!cp) {
            out += '?';
            continue;
        }
        if (*cp < 0x20 || *cp == 0x7F) {
            out += ' ';
            continue;
        }
        if (*cp == '^') {
            out += "^ ";
            continue;
        }
        if (const auto bytes = torvelix::utf8ToCp1251(utf8.substr(start, pos - start))) {
            out += *bytes;
            continue;
        }
        std::array<char, 16> escape{};
        std::snprintf(escape.data(), escape.size(), "\\U+%04X", static_cast<unsigned>(*cp));
        out += escape.data();
    }
    return out;
}

} // namespace torvelix::cad::dxf
