// The general and fixed number formats. Rounding is half away from zero on the exact
// binary value of the double, so 0.0005 (slightly above in binary) and 12.5 (exact)
// both round up, and 1.2344996 stays 1.234.
#include "number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace torvelix {

namespace {

// |x| as 0.DIGITS x 10^pointPos, DIGITS without leading zeros (empty for zero).
struct Decimal {
    std::string digits;
    int pointPos = 0;
};

// Written by std::to_chars, which never looks at the C library's locale (a Qt
// application switches it to the desktop's, whose decimal point may be a comma or
// take more than one byte).
Decimal print(double magnitude, int precision) {
    std::vector<char> buffer(static_cast<std::size_t>(precision) + 32);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, precision);
    const std::string text(buffer.data(), result.ptr);
    const auto ePos = text.find('e');
    Decimal out;
    out.digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    int exponent = 0;
    const char* first = text.data() + ePos + 2; // past 'e' and its sign
    std::from_chars(first, text.data() + text.size(), exponent);
    out.pointPos = (text[ePos + 1] == '-' ? -exponent : exponent) + 1;
    return out;
}

// Whether the exact digit at index `keep` and beyond round up (>= 5 at `keep`).
// A short print decides it unless its tail reads exactly 5000...: then the printed
// tail may itself have been rounded up, and the full expansion decides.
bool roundsUp(double magnitude, int pointPosExact, int keep, const Decimal& shortPrint) {
    (void)pointPosExact;
    const auto& d = shortPrint.digits;
    if (keep < 0 || static_cast<std::size_t>(keep) >= d.size()) {
        return false;
    }
    if (d[static_cast<std::size_t>(keep)] != '5') {
        return d[static_cast<std::size_t>(keep)] > '5';
    }
    if (d.find_first_not_of('0', static_cast<std::size_t>(keep) + 1) != std::string::npos) {
        return true;
    }
    const Decimal full = print(magnitude, 800);
    if (full.pointPos != shortPrint.pointPos) {
        // The short print carried into a new leading digit: the exact value lies below it.
        return false;
    }
    return full.digits[static_cast<std::size_t>(keep)] >= '5';
}

// Rounds |x| to `keep` leading digits (keep may be 0 or negative).
Decimal roundToDigits(double magnitude, int keep) {
    Decimal d = print(magnitude, 40);
    if (keep <= 0) {
        const bool up = keep == 0 && roundsUp(magnitude, d.pointPos, 0, d);
        if (up) {
            return Decimal{"1", d.pointPos + 1};
        }
        return Decimal{};
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) {
        return d;
    }
    const bool up = roundsUp(magnitude, d.pointPos, keep, d);
    std::string kept = d.digits.substr(0, static_cast<std::size_t>(keep));
    if (up) {
        int k = keep - 1;
        while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9') {
            kept[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k < 0) {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            d.pointPos += 1;
        } else {
            kept[static_cast<std::size_t>(k)] += 1;
        }
    }
    d.digits = kept;
    return d;
}

bool isZero(const Decimal& d) {
    return d.digits.find_first_not_of('0') == std::string::npos;
}

std::string stripTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

std::string nonFinite(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

int minExponentDigits(int significantDigits) {
    return (significantDigits == 4 || significantDigits == 15) ? 1 : 3;
}

} // namespace

std::string formatGeneral(double value, int digits) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    if (digits < 1) {
        digits = 1;
    }
    if (value == 0) {
        return "0";
    }
    Decimal d = roundToDigits(std::fabs(value), digits);
    if (isZero(d)) {
        return "0";
    }
    const std::string sign = value < 0 ? "-" : "";
    const std::string ds = stripTrailingZeros(d.digits);
    const int p = d.pointPos;
    if (p > digits || p <= -5) {
        std::string mantissa = ds.substr(0, 1);
        if (ds.size() > 1) {
            mantissa += "." + ds.substr(1);
        }
        const int exponent = p - 1;
        std::string expDigits = std::to_string(exponent < 0 ? -exponent : exponent);
        const auto minDigits = static_cast<std::size_t>(minExponentDigits(digits));
        if (expDigits.size() < minDigits) {
            expDigits.insert(0, minDigits - expDigits.size(), '0');
        }
        return sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + expDigits;
    }
    const auto len = static_cast<int>(ds.size());
    if (p <= 0) {
        return sign + "0." + std::string(static_cast<std::size_t>(-p), '0') + ds;
    }
    if (p >= len) {
        return sign + ds + std::string(static_cast<std::size_t>(p - len), '0');
    }
    return sign + ds.substr(0, static_cast<std::size_t>(p)) + "." +
           ds.substr(static_cast<std::size_t>(p));
}

std::string formatFixed(double value) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    if (value == 0) {
        return "0.000";
    }
    const double magnitude = std::fabs(value);
    const Decimal probe = print(magnitude, 40);
    // Round at the coarser of the sixth significant digit and the third decimal.
    const int leadingPower = probe.pointPos - 1;
    const int roundPower = std::max(leadingPower - 5, -3);
    const Decimal d = roundToDigits(magnitude, probe.pointPos - roundPower);
    if (isZero(d)) {
        return "0.000";
    }
    if (d.pointPos > 6) {
        return formatGeneral(value, 6);
    }
    // Digits for the powers 10^(pointPos-1) .. 10^-3, padded with zeros.
    const int total = d.pointPos + 3;
    std::string all;
    if (total > 0) {
        all = d.digits.substr(
            0, static_cast<std::size_t>(std::min<int>(total, static_cast<int>(d.digits.size()))));
        all.append(static_cast<std::size_t>(total - static_cast<int>(all.size())), '0');
    }
    std::string intPart;
    std::string fracPart;
    if (d.pointPos > 0) {
        intPart = all.substr(0, static_cast<std::size_t>(d.pointPos));
        fracPart = all.substr(static_cast<std::size_t>(d.pointPos));
    } else {
        intPart = "0";
        fracPart = std::string(static_cast<std::size_t>(-d.pointPos), '0') + all;
    }
    fracPart.resize(3, '0');
    return (value < 0 ? "-" : "") + intPart + "." + fracPart;
}

std::string formatCStyleGeneral(double value, int digits) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits < 1 ? 1 : digits);
    return std::string(buffer.data(), result.ptr);
}

std::string formatDecimals(double value, int decimals) {
    // A double's integer part has at most 309 digits.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    if (result.ec != std::errc{}) {
        return formatCStyleGeneral(value, 17);
    }
    return std::string(buffer.data(), result.ptr);
}

std::string formatTrimmedDecimals(double value, int decimals) {
    std::string text = formatDecimals(value, decimals);
    if (text.find('.') != std::string::npos && std::isfinite(value)) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::string formatDrawingNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    if (value == 0) {
        return "0";
    }
    const double magnitude = std::fabs(value);
    const Decimal probe = print(magnitude, 40);
    const Decimal d = roundToDigits(magnitude, probe.pointPos + std::max(decimals, 0));
    if (isZero(d)) {
        return "0";
    }
    const std::string ds = stripTrailingZeros(d.digits);
    const int p = d.pointPos;
    const auto len = static_cast<int>(ds.size());
    std::string text;
    if (p <= 0) {
        text = "0," + std::string(static_cast<std::size_t>(-p), '0') + ds;
    } else if (p >= len) {
        text = ds + std::string(static_cast<std::size_t>(p - len), '0');
    } else {
        text = ds.substr(0, static_cast<std::size_t>(p)) + "," +
               ds.substr(static_cast<std::size_t>(p));
    }
    return (value < 0 ? "-" : "") + text;
}

} // namespace torvelix
