// The shortest of the C library's general forms with 15, 16 or 17 significant digits
// that converts back to the value exactly (17 always does).
#include "json_number.h"

#include "number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace torvelix {

namespace {

// The significant digits of the shortest text that converts back to the value exactly.
int shortestDigits(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific);
    int digits = 0;
    for (const char* p = buffer.data(); p != result.ptr && *p != 'e'; ++p) {
        digits += *p >= '0' && *p <= '9' ? 1 : 0;
    }
    return digits;
}

} // namespace

std::string formatJsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    if (value == 0) {
        return "0";
    }
    // A general form with fewer digits than the shortest exact text never converts back;
    // with 15 digits it always does when the shortest has at most 15 (the two then agree
    // digit for digit), and 17 always do. Only 16 needs trying.
    const int shortest = shortestDigits(value);
    if (shortest != 16) {
        return formatCStyleGeneral(value, shortest <= 15 ? 15 : 17);
    }
    std::string text = formatCStyleGeneral(value, 16);
    double back = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
    if (result.ec != std::errc() || back != value) {
        text = formatCStyleGeneral(value, 17);
    }
    return text;
}

} // namespace torvelix
