// The number rules of the typed inputs and the table fields.
#include "number_parse.h"

#include "cp1251.h"
#include "errors.h"

#include <charconv>
#include <limits>
#include <string>

namespace torvelix {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<double> tryParseNumber(std::string_view text) {
    text = trimBlanks(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string intDigits;
    std::string fracDigits;
    while (pos < text.size() && isDigit(text[pos])) {
        intDigits += text[pos++];
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            fracDigits += text[pos++];
        }
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return std::nullopt;
    }
    std::string exponent;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponent += text[pos++];
        }
        const std::size_t digitsStart = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            exponent += text[pos++];
        }
        if (pos == digitsStart) {
            return std::nullopt;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    // A normalised spelling that std::from_chars takes in any locale.
    std::string normal =
        (intDigits.empty() ? "0" : intDigits) + "." + (fracDigits.empty() ? "0" : fracDigits);
    if (!exponent.empty()) {
        normal += "e" + exponent;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to represent is zero; too large does not convert.
        const bool tiny = !exponent.empty() && exponent[0] == '-';
        if (!tiny) {
            return std::nullopt;
        }
        value = 0;
    } else if (ec != std::errc() || end != normal.data() + normal.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double parseNumber(std::string_view text) {
    if (auto value = tryParseNumber(text)) {
        return *value;
    }
    throw ConversionError(std::string(text));
}

double parseTableNumber(std::string_view cp1251Text) {
    if (auto value = tryParseNumber(cp1251Text)) {
        return *value;
    }
    throw ConversionError(cp1251ToUtf8(cp1251Text));
}

long long parseInteger(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty()) {
        throw IntegerConversionError(std::string(text));
    }
    unsigned long long magnitude = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
    const auto limit = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    if (ec != std::errc() || end != rest.data() + rest.size() || magnitude > limit) {
        throw IntegerConversionError(std::string(text));
    }
    const auto value = static_cast<long long>(magnitude);
    return negative ? -value : value;
}

} // namespace torvelix
