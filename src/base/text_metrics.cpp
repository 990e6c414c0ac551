// Advance widths of Liberation Sans Regular (units of 2048 to the em, capital height
// 1409), taken from the font's hmtx table for printable ASCII, Cyrillic and a few signs.
#include "text_metrics.h"

#include "utf8.h"

#include <array>
#include <utility>

namespace torvelix {

namespace {

constexpr double kCapHeight = 1409;
constexpr double kEm = 2048;

// U+0020 .. U+007E.
constexpr std::array<short, 95> kAscii = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196,
};

// U+0400 .. U+045F.
constexpr std::array<short, 96> kCyrillic = {
    1366, 1367, 1771, 1109, 1472, 1366, 569,  569,  1024, 2165, 2069, 1749, 1193, 1479, 1301, 1472,
    1366, 1344, 1366, 1109, 1387, 1366, 1891, 1237, 1472, 1472, 1193, 1344, 1706, 1479, 1593, 1472,
    1366, 1479, 1251, 1301, 1557, 1366, 1515, 1365, 1877, 1920, 1621, 1813, 1344, 1472, 2069, 1479,
    1139, 1173, 1088, 747,  1195, 1139, 1370, 939,  1144, 1144, 896,  1195, 1408, 1131, 1139, 1109,
    1139, 1024, 938,  1024, 1685, 1024, 1173, 1067, 1643, 1685, 1280, 1472, 1067, 1045, 1536, 1109,
    1139, 1139, 1139, 747,  1045, 1024, 455,  569,  455,  1856, 1664, 1139, 896,  1144, 1024, 1131,
};

// Signs a drawing writes: degree, plus-minus, times, the diameter sign (as the slashed O),
// numero, dashes.
constexpr std::pair<char32_t, short> kSigns[] = {
    {0x00B0, 819},  {0x00B1, 1124}, {0x00D7, 1196}, {0x00D8, 1593},
    {0x2013, 1139}, {0x2014, 2048}, {0x2116, 2197}, {0x2300, 1593},
};

double advance(char32_t cp) {
    if (cp >= 0x20 && cp <= 0x7E) {
        return kAscii[cp - 0x20];
    }
    if (cp >= 0x400 && cp <= 0x45F) {
        return kCyrillic[cp - 0x400];
    }
    for (const auto& [sign, width] : kSigns) {
        if (sign == cp) {
            return width;
        }
    }
    return kEm;
}

} // namespace

double textWidth(const std::string& utf8, double height) {
    double units = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> cp = nextCodePoint(utf8, pos);
        units += cp ? advance(*cp) : kEm;
    }
    return units / kCapHeight * height;
}

} // namespace torvelix
