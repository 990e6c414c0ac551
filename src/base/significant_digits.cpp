// Significant-digit rounding on the shortest decimal form of a double.
#include "significant_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <system_error>

namespace torvelix {

namespace {

// |value| in the shortest form that reads back as the same double: its digits without
// the point and the power of ten of the first digit.
struct ShortestDecimal {
    std::string digits;
    int exponent = 0;
};

ShortestDecimal shortestOf(double magnitude) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific);
    if (result.ec != std::errc{}) {
        throw std::logic_error("shortest decimal form does not fit its buffer");
    }
    const std::string text(buffer.data(), result.ptr);
    const auto e = text.find('e');
    ShortestDecimal out;
    for (std::size_t k = 0; k < e; ++k) {
        if (text[k] != '.') {
            out.digits.push_back(text[k]);
        }
    }
    out.exponent = std::stoi(text.substr(e + 1));
    return out;
}

double readBack(const std::string& digits, int exponent, bool negative) {
    const std::string text =
        (negative ? "-0." : "0.") + digits + "e" + std::to_string(exponent + 1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{}) {
        throw std::logic_error("rounded decimal form does not read back: " + text);
    }
    return value;
}

double toSignificant(double value, int digits, bool roundHalfUp) {
    if (digits < 1 || digits > 17) {
        throw std::logic_error("significant digits outside 1 .. 17");
    }
    if (value == 0 || !std::isfinite(value)) {
        return value;
    }
    ShortestDecimal d = shortestOf(std::fabs(value));
    const auto keep = static_cast<std::size_t>(digits);
    if (d.digits.size() <= keep) {
        return value;
    }
    const bool up = roundHalfUp && d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        std::size_t k = keep;
        while (k > 0 && d.digits[k - 1] == '9') {
            d.digits[k - 1] = '0';
            --k;
        }
        if (k == 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exponent += 1;
        } else {
            d.digits[k - 1] = static_cast<char>(d.digits[k - 1] + 1);
        }
    }
    return readBack(d.digits, d.exponent, value < 0);
}

} // namespace

double roundSignificant(double value, int digits) {
    return toSignificant(value, digits, true);
}

double cutSignificant(double value, int digits) {
    return toSignificant(value, digits, false);
}

} // namespace torvelix
