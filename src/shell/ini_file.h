// The window's settings file: a Windows initialisation file (sections in square
// brackets, key=value lines) kept in Windows-1251 on disk.
#pragma once

#include <QString>

#include <optional>

namespace torvelix::shell {

// Reads and writes single keys of one file. Nothing is cached: every call reads
// the file afresh, and every write replaces the file at once (write-then-rename).
class IniFile {
public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The value of key in section as an integer: decimal, or hexadecimal after "0x",
    // "0X" or "$", with an optional sign. A missing file, section or key, a value of
    // any other form, or one outside the int range gives defaultValue.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    // The value of key in section as text, without the blanks around it and without
    // one pair of double quotes around the whole value; defaultValue for a missing or
    // unreadable file, section or key.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;

    // Whether section holds key (false for a missing or unreadable file).
    bool hasKey(const QString& section, const QString& key) const;

    // Writes key=value into section: an existing key is replaced in its place, a new
    // key is added after the last entry of its section, a missing section is added at
    // the end, a missing file is created (with its folder). Throws UserError "Unable to write to
    // <path>" when the file cannot be written or the text has no Windows-1251 form.
    void writeString(const QString& section, const QString& key, const QString& value) const;

private:
    QString path_;
};

// The integer form of a settings value; no result for any other text.
std::optional<int> parseIniInteger(const QString& text);

} // namespace torvelix::shell
