// Reading and writing single keys of the Windows-1251 settings file.
#include "ini_file.h"

#include "cp1251.h"
#include "errors.h"
#include "file_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <string>
#include <vector>

namespace torvelix::shell {

namespace {

using RawLines = std::vector<std::string>;

QString decode(const std::string& bytes) {
    return QString::fromStdString(torvelix::cp1251ToUtf8(bytes));
}

// The file's lines as raw bytes, without line ends. A missing file has no lines;
// no result when the file exists but cannot be read.
std::optional<RawLines> readRawLines(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return RawLines{};
    }
    // Only a regular file is read: its size bounds what is read (a device such as
    // /dev/zero, or a pipe, would never end).
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray data = file.read(file.size());
    RawLines lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0) {
            end = data.size();
        }
        std::string line(data.constData() + start, static_cast<size_t>(end - start));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<QString> sectionName(const std::string& raw) {
    const QString line = decode(raw).trimmed();
    if (!line.startsWith(u'[')) {
        return std::nullopt;
    }
    const qsizetype close = line.indexOf(u']');
    if (close < 0) {
        return std::nullopt;
    }
    return line.mid(1, close - 1).trimmed();
}

struct Entry {
    QString key;
    QString value;
};

std::optional<Entry> keyEntry(const std::string& raw) {
    const QString line = decode(raw);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'[')) {
        return std::nullopt;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        return std::nullopt;
    }
    return Entry{line.left(eq).trimmed(), line.mid(eq + 1).trimmed()};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the section header, or -1.
long findSection(const RawLines& lines, const QString& section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (name && sameName(*name, section)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

} // namespace

std::optional<int> parseIniInteger(const QString& text) {
    QString s = text.trimmed();
    bool negative = false;
    if (s.startsWith(u'-') || s.startsWith(u'+')) {
        negative = s.startsWith(u'-');
        s.remove(0, 1);
    }
    int base = 10;
    if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        s.remove(0, 2);
    } else if (s.startsWith(u'$')) {
        base = 16;
        s.remove(0, 1);
    }
    if (s.isEmpty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const QChar ch : s) {
        int digit = -1;
        if (ch >= u'0' && ch <= u'9') {
            digit = ch.unicode() - u'0';
        } else if (base == 16 && ch.toLower() >= u'a' && ch.toLower() <= u'f') {
            digit = ch.toLower().unicode() - u'a' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

namespace {

// The value of the key's first entry in the section.
std::optional<QString> entryValue(const QString& path, const QString& section, const QString& key) {
    const auto lines = readRawLines(path);
    if (!lines) {
        return std::nullopt;
    }
    const long header = findSection(*lines, section);
    if (header < 0) {
        return std::nullopt;
    }
    for (size_t i = static_cast<size_t>(header) + 1; i < lines->size(); ++i) {
        if (sectionName((*lines)[i])) {
            break;
        }
        const auto entry = keyEntry((*lines)[i]);
        if (entry && sameName(entry->key, key)) {
            return entry->value;
        }
    }
    return std::nullopt;
}

} // namespace

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    const std::optional<QString> value = entryValue(path_, section, key);
    return value ? parseIniInteger(*value).value_or(defaultValue) : defaultValue;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return entryValue(path_, section, key).has_value();
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    std::optional<QString> value = entryValue(path_, section, key);
    if (!value) {
        return defaultValue;
    }
    if (value->size() >= 2 && value->startsWith(u'"') && value->endsWith(u'"')) {
        return value->mid(1, value->size() - 2);
    }
    return *value;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) const {
    const UserError failure("Unable to write to " + path_.toStdString());
    auto lines = readRawLines(path_);
    const auto encode = [&](const QString& text) {
        auto bytes = torvelix::utf8ToCp1251(text.toStdString());
        if (!bytes) {
            throw failure;
        }
        return *bytes;
    };
    if (!lines) {
        throw failure;
    }
    const std::string entryLine = encode(key) + "=" + encode(value);

    const long header = findSection(*lines, section);
    if (header < 0) {
        const std::string name = encode(section);
        std::string header;
        header.reserve(name.size() + 2);
        lines->push_back(header.append(1, '[').append(name).append(1, ']'));
        lines->push_back(entryLine);
    } else {
        size_t lastEntry = static_cast<size_t>(header);
        bool replaced = false;
        for (size_t i = lastEntry + 1; i < lines->size(); ++i) {
            if (sectionName((*lines)[i])) {
                break;
            }
            const auto entry = keyEntry((*lines)[i]);
            if (entry && sameName(entry->key, key)) {
                (*lines)[i] = entryLine;
                replaced = true;
                break;
            }
            if (!decode((*lines)[i]).trimmed().isEmpty()) {
                lastEntry = i;
            }
        }
        if (!replaced) {
            lines->insert(lines->begin() + static_cast<long>(lastEntry) + 1, entryLine);
        }
    }

    QByteArray data;
    for (const auto& line : *lines) {
        data.append(line.data(), static_cast<qsizetype>(line.size()));
        data.append("\r\n");
    }
    // The user's configuration folder may not exist yet.
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        throw failure;
    }
    try {
        writeFileAtomically(
            path_.toStdString(),
            std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    } catch (const FileWriteError&) {
        throw failure;
    }
}

} // namespace torvelix::shell
