// Bounded line reading, UTF-8 checks on outside text, and the recognition of the
// shipped estimate tables.
#include "errors.h"
#include "scratch_folder.h"
#include "shipped_estimates.h"
#include "table_fields.h"
#include "table_files.h"
#include "table_fixture.h"
#include "utf8_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace torvelix;
using namespace torvelix::tables;
using torvelix::testing::readText;
using torvelix::testing::TableFolder;
using torvelix::testing::writeText;

namespace {

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(BoundedLines, AnOverlongLineReadsAsALineWhoseFieldsDoNotConvert) {
    TableFolder folder;
    const std::string path = folder.tablePath("13766");
    const std::string atBound(4096, '1'); // 4096 bytes and CR LF: still a line
    writeBytes(path, atBound + "\r\n" + std::string(4097, '2') + "\r\n  1.00\r\n");
    EXPECT_EQ(ReadTableLine(path, 1), atBound);
    const std::string overlong = ReadTableLine(path, 2);
    EXPECT_TRUE(isOverlongLine(overlong));
    EXPECT_THROW(SpringRowField(overlong, 1), ConversionError);
    EXPECT_THROW(WireRowField(overlong, 25), ConversionError);
    // The lines after it are read as they are.
    EXPECT_EQ(ReadTableLine(path, 3), "  1.00");
    EXPECT_EQ(readAllTableLines(path).size(), 3u);
}

TEST(BoundedLines, OnlyRegularFilesAreTables) {
    TableFolder folder;
    const std::string path = folder.tablePath("13766");
    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_THROW(ReadTableLine(path, 1), TableIoError);
    EXPECT_THROW(readAllTableLines(folder.dir().string()), TableIoError);
}

TEST(Utf8Text, BadBytesAreEscapedAndGoodCharactersKept) {
    EXPECT_EQ(escapeInvalidUtf8("таблица.dat"), "таблица.dat");
    EXPECT_EQ(escapeInvalidUtf8("a\xff"
                                "b"),
              "a\\xFFb");
    // A Windows-1251 name ("Пр"), a lone continuation byte, a cut character at the end.
    EXPECT_EQ(escapeInvalidUtf8("\xcf\xf0"), "\\xCF\\xF0");
    EXPECT_EQ(escapeInvalidUtf8("\x80z\xd0"), "\\x80z\\xD0");
    // Overlong forms, surrogates and code points above U+10FFFF are not UTF-8.
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));
    EXPECT_FALSE(isValidUtf8("\xf4\x90\x80\x80"));
    EXPECT_TRUE(isValidUtf8("\xf4\x8f\xbf\xbf")); // U+10FFFF
}

TEST(Utf8Text, NonCharactersAreFoundAndDropped) {
    EXPECT_EQ(firstNonCharacter("ok \xef\xbf\xbe"), U'\uFFFE');
    EXPECT_EQ(firstNonCharacter("\xef\xb7\x90"), U'\uFDD0');
    EXPECT_EQ(firstNonCharacter("\xf0\x9f\xbf\xbf"), char32_t{0x1FFFF});
    EXPECT_FALSE(firstNonCharacter("\xef\xbf\xbd")); // U+FFFD is a character
    EXPECT_EQ(withoutNonCharacters("a\xef\xbf\xbf"
                                   "b\xef\xbf\xbe"),
              "ab");
}

TEST(ShippedEstimates, RecognisedByTheirBytesAndNamedInOneLine) {
    // The check value of CRC-32 for "123456789".
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    const auto shipped = shippedEstimatesIn(tablesInFolder(TORVELIX_DATA_DIR));
    EXPECT_EQ(shipped.size(), 11u);

    TableFolder folder;
    for (const auto& number : shipped) {
        std::filesystem::copy_file(std::string(TORVELIX_DATA_DIR) + "/" + number + ".dat",
                                   folder.tablePath(number));
    }
    // A table keyed in anew: same size, one byte different.
    std::fstream keyed(folder.tablePath("13767"), std::ios::in | std::ios::out | std::ios::binary);
    keyed.seekp(2);
    keyed.put('2');
    keyed.close();
    folder.remove("13775");
    // Line ends alter no row the calculation reads: LF for CR LF, no final line end.
    std::string rows = readText(folder.tablePath("13770"));
    rows.erase(std::remove(rows.begin(), rows.end(), '\r'), rows.end());
    rows.pop_back();
    writeText(folder.tablePath("13770"), rows);
    const auto left = shippedEstimatesIn(tablesOfExecutable(folder.exePath()));
    ASSERT_EQ(left.size(), 9u);
    EXPECT_EQ(estimateNotice(left).rfind("Таблицы пружин 13766, 13768…13774, 13776 — ", 0), 0u);
    EXPECT_EQ(estimateNotice({"13770"}).rfind("Таблица пружин 13770 — ", 0), 0u);
    EXPECT_EQ(estimateNotice({}), "");
}
