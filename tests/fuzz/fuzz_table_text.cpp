// Feeds arbitrary bytes to the table-line field reader, the number and integer
// parsers, the code-page conversions and the two number formats.
#include "cp1251.h"
#include "errors.h"
#include "number_format.h"
#include "number_parse.h"
#include "table_fields.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torvelix;
    const std::string text(reinterpret_cast<const char*>(data), size);

    for (int field = 1; field <= 5; ++field) {
        try {
            (void)tables::SpringRowField(text, field);
        } catch (const ConversionError&) {
        }
    }
    for (int field = 2; field <= 25; ++field) {
        try {
            (void)tables::WireRowField(text, field);
        } catch (const ConversionError&) {
        }
    }
    if (auto value = torvelix::tryParseNumber(text)) {
        (void)torvelix::formatFixed(*value);
        for (int digits : {4, 6, 15}) {
            (void)torvelix::formatGeneral(*value, digits);
        }
    }
    try {
        (void)torvelix::parseInteger(text);
    } catch (const IntegerConversionError&) {
    }
    const std::string utf8 = torvelix::cp1251ToUtf8(text);
    if (auto back = torvelix::utf8ToCp1251(utf8)) {
        // Every byte but the unassigned 0x98 survives the round trip.
        if (text.find('\x98') == std::string::npos && *back != text) {
            __builtin_trap();
        }
    }
    (void)torvelix::utf8ToCp1251(text);
    // Raw doubles from the input bytes, including NaN, infinities and subnormals.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof(double));
        (void)torvelix::formatFixed(value);
        (void)torvelix::formatGeneral(value, 6);
        (void)torvelix::formatGeneral(value, 15);
    }
    return 0;
}
