// The UTF-8 decoder: well-formed sequences only, one byte skipped for anything else.
#include "utf8.h"

#include <gtest/gtest.h>

#include <vector>

using namespace torvelix;

namespace {

// Every decoded code point, 0xFFFFFFFF for each malformed byte.
std::vector<char32_t> decode(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < text.size();) {
        out.push_back(nextCodePoint(text, pos).value_or(0xFFFFFFFF));
    }
    return out;
}

constexpr char32_t kBad = 0xFFFFFFFF;

} // namespace

TEST(Utf8, DecodesOneToFourByteSequences) {
    // "A" U+0041; "Ж" D0 96 = 0x10 << 6 | 0x16 = U+0416; "€" E2 82 AC = 2 << 12 | 2 << 6 |
    // 0x2C = U+20AC; F0 9F 98 80 = 0x1F << 12 | 0x18 << 6 | 0 = U+1F600.
    EXPECT_EQ(decode("A\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80"),
              (std::vector<char32_t>{0x41, 0x416, 0x20AC, 0x1F600}));
}

TEST(Utf8, RefusesMalformedSequencesByteByByte) {
    // A stray continuation byte; a cut sequence at the end; C0 80, an overlong zero;
    // ED A0 80, the surrogate U+D800; F4 90 80 80, above U+10FFFF.
    EXPECT_EQ(decode("\x80"
                     "a"),
              (std::vector<char32_t>{kBad, 'a'}));
    EXPECT_EQ(decode("a\xD0"), (std::vector<char32_t>{'a', kBad}));
    EXPECT_EQ(decode("\xC0\x80"), (std::vector<char32_t>{kBad, kBad}));
    EXPECT_EQ(decode("\xED\xA0\x80"), (std::vector<char32_t>{kBad, kBad, kBad}));
    EXPECT_EQ(decode("\xF4\x90\x80\x80").size(), 4u);
    EXPECT_EQ(decode("\xE2\x82"
                     "A"),
              (std::vector<char32_t>{kBad, kBad, 'A'}));
    EXPECT_EQ(countCharacters("Ж\x80z"), 3u);
}

TEST(Utf8, EncodesWhatItDecodes) {
    std::string out;
    for (char32_t cp : {0x41u, 0x416u, 0x20ACu, 0x1F600u}) {
        appendUtf8(out, cp);
    }
    EXPECT_EQ(out, "A\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80");
}
