// Feeds arbitrary bytes to the settings-file reader and writer as the file's content:
// reading the window size, then writing it back (the file must stay readable).
#include "ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using torvelix::shell::IniFile;
    static QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("fuzz.ini");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const IniFile ini(path);
    const QString section = QString::fromUtf8("Общая");
    const int height = ini.readInteger(section, QString::fromUtf8("Высота"), 400);
    (void)ini.readInteger(QString::fromUtf8("Other"), QString::fromUtf8("Ширина"), 600);
    try {
        ini.writeString(section, QString::fromUtf8("Высота"), QString::number(height));
    } catch (const std::exception&) {
        return 0;
    }
    // What was written reads back.
    if (ini.readInteger(section, QString::fromUtf8("Высота"), height + 1) != height) {
        __builtin_trap();
    }
    (void)torvelix::shell::parseIniInteger(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
