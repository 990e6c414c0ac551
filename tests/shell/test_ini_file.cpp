// The settings file: integer reading with its defaults, writing keys in place, the
// Windows-1251 form on disk and the failure to write.
#include "ini_file.h"
#include "scratch_folder.h"

#include "cp1251.h"
#include "errors.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace torvelix::shell {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return QString::fromStdString(dir_.file("prog.ini")); }
    void write(const std::string& utf8) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const auto bytes = torvelix::utf8ToCp1251(utf8);
        ASSERT_TRUE(bytes);
        file.write(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }
    std::string fileBytes() const {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().toStdString();
    }
    std::string read() const { return torvelix::cp1251ToUtf8(fileBytes()); }

    torvelix::testing::ScratchFolder dir_;
};

TEST(ParseIniInteger, AcceptsDecimalAndTheThreeHexadecimalPrefixes) {
    EXPECT_EQ(parseIniInteger("450"), 450);
    EXPECT_EQ(parseIniInteger(" 450 "), 450);
    EXPECT_EQ(parseIniInteger("-12"), -12);
    EXPECT_EQ(parseIniInteger("0x200"), 512);
    EXPECT_EQ(parseIniInteger("0X1f"), 31);
    EXPECT_EQ(parseIniInteger("$FF"), 255);
    EXPECT_EQ(parseIniInteger("2147483647"), 2147483647);
    for (const char* bad : {"", "abc", "12px", "0x", "$", "1.5", "0x1G", "99999999999"}) {
        EXPECT_FALSE(parseIniInteger(bad).has_value()) << bad;
    }
}

TEST_F(IniFileTest, ReadsDefaultsForMissingFileSectionKeyOrBadValue) {
    const IniFile ini(path());
    EXPECT_EQ(ini.readInteger("Общая", "Высота", 450), 450);
    write("[Прочее]\r\nВысота=300\r\n[Общая]\r\nШирина=буквы\r\nвысота=0x200\r\n");
    EXPECT_EQ(ini.readInteger("Общая", "Высота", 450), 512); // keys ignore case
    EXPECT_EQ(ini.readInteger("Общая", "Ширина", 560), 560);
    EXPECT_EQ(ini.readInteger("Нет", "Высота", 7), 7);
}

TEST_F(IniFileTest, CreatesTheFileInWindows1251WithCrLfLines) {
    const IniFile ini(path());
    ini.writeString("Общая", "Высота", "450");
    ini.writeString("Общая", "Ширина", "560");
    EXPECT_EQ(read(), "[Общая]\r\nВысота=450\r\nШирина=560\r\n");
    // "Общая" in Windows-1251 is CE E1 F9 E0 FF.
    EXPECT_EQ(fileBytes().substr(0, 7), "[\xCE\xE1\xF9\xE0\xFF]");
}

TEST_F(IniFileTest, ReplacesKeysInPlaceAndAddsNewOnesAtTheEndOfTheirSection) {
    write("; comment\r\n[Общая]\r\nВысота=1\r\nШирина=2\r\n\r\n[Другая]\r\nКлюч=x\r\n");
    const IniFile ini(path());
    ini.writeString("Общая", "Высота", "480");
    ini.writeString("Общая", "Автор", "A");
    ini.writeString("Новая", "K", "v");
    EXPECT_EQ(read(), "; comment\r\n[Общая]\r\nВысота=480\r\nШирина=2\r\nАвтор=A\r\n\r\n"
                      "[Другая]\r\nКлюч=x\r\n[Новая]\r\nK=v\r\n");
}

TEST_F(IniFileTest, FailureToWriteNamesTheFile) {
    ASSERT_TRUE(QDir().mkpath(path()));
    const IniFile ini(path());
    try {
        ini.writeString("Общая", "Высота", "450");
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path().toStdString());
    }
    // A folder cannot be made below a file.
    ASSERT_TRUE(QDir().rmdir(path()));
    write("x");
    const IniFile belowAFile(path() + "/none/prog.ini");
    EXPECT_THROW(belowAFile.writeString("Общая", "Высота", "450"), UserError);
}

TEST_F(IniFileTest, AMissingFolderIsCreated) {
    const IniFile ini(QString::fromStdString(dir_.file("config/torvelix/prog.ini")));
    ini.writeString("Общая", "Высота", "450");
    EXPECT_EQ(ini.readInteger("Общая", "Высота", 0), 450);
}

TEST_F(IniFileTest, AFileThatNeverEndsIsNotRead) {
    // /dev/zero behind the settings file's name: nothing read, defaults; no write.
    ASSERT_TRUE(QFile::link("/dev/zero", path()));
    const IniFile ini(path());
    EXPECT_EQ(ini.readInteger("Общая", "Высота", 400), 400);
    EXPECT_THROW(ini.writeString("Общая", "Высота", "450"), UserError);
}

} // namespace
} // namespace torvelix::shell
