// The shortest of the C library's general forms with 15, 16 or 17 significant digits
// that converts back to the value exactly (17 always does).
#include "json_number.h"

#include "number_format.h"

#include <charconv>
#include <cmath>

namespace torvelix {

std::string formatJsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    if (value == 0) {
        return "0";
    }
    std::string text;
    for (int digits = 15; digits <= 17; ++digits) {
        text = formatCStyleGeneral(value, digits);
        double back = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
        if (result.ec == std::errc() && back == value) {
            break;
        }
    }
    return text;
}

} // namespace torvelix
