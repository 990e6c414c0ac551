// Reading the technical-requirements file of `torvelix draw --tt`.
#include "tech_file.h"

#include "cp1251.h"
#include "file_read.h"
#include "number_parse.h"
#include "utf8_text.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

namespace torvelix::cli {

namespace {

// Text with no control character but tab, CR and LF (a NUL, an escape sequence or the
// bytes of a binary file must not reach a drawing).
bool isPlainText(std::string_view bytes) {
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if ((byte < 0x20 && ch != '\t' && ch != '\r' && ch != '\n') || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

// The file's text as UTF-8 in `text`; empty on success, else what is wrong.
std::string readTextFile(const std::string& path, const std::string& shownPath, std::string& text) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return shownPath + " is a folder, not a requirements file";
    }
    // A FIFO or a device is refused before a byte is read: it would never end.
    std::string bytes;
    switch (readRegularFile(path, kMaxTechFileBytes, bytes)) {
    case ReadOutcome::Read:
        break;
    case ReadOutcome::NotRegular:
        return shownPath + " is not a regular file, not a requirements file";
    case ReadOutcome::TooLarge:
        return shownPath + " is larger than " + std::to_string(kMaxTechFileBytes >> 20) +
               " MiB, not a requirements file";
    case ReadOutcome::Unreadable:
        return "cannot read " + shownPath;
    }
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);
    }
    if (isValidUtf8(bytes)) {
        text = std::move(bytes);
    } else if (bytes.find('\x98') == std::string::npos) {
        // Every byte but 0x98 is a Windows-1251 character.
        text = cp1251ToUtf8(bytes);
    } else {
        return shownPath + " is neither UTF-8 nor Windows-1251 text";
    }
    if (!isPlainText(text)) {
        return shownPath + " holds control characters: not a text file";
    }
    if (const auto bad = firstNonCharacter(text)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*bad));
        return shownPath + " holds " + code + ", which is not a character";
    }
    return {};
}

} // namespace

std::string readTechFile(const std::string& path, cad::TechRequirementControls& c) {
    const std::string shownPath = escapeForMessage(path);
    std::string text;
    if (std::string problem = readTextFile(path, shownPath, text); !problem.empty()) {
        return problem;
    }
    std::istringstream in(text);
    std::map<std::string, std::string*> texts = {{"e6Num", &c.e6Num},
                                                 {"comb6Gost", &c.comb6Gost},
                                                 {"e6G", &c.e6G},
                                                 {"e6Tau", &c.e6Tau},
                                                 {"comb6Naviv", &c.comb6Naviv},
                                                 {"e6L", &c.e6L},
                                                 {"e6n", &c.e6n},
                                                 {"e6n1", &c.e6n1},
                                                 {"e6HRC", &c.e6HRC},
                                                 {"e6Dc", &c.e6Dc},
                                                 {"e6TT", &c.e6TT}};
    // A missing key is an empty text.
    for (auto& [key, field] : texts) {
        *field = "";
    }
    bool* switches[] = {&c.ckb6Num, &c.ckb6G,   &c.ckb6Tau, &c.ckb6Nav,   &c.ckb6L, &c.ckb6n,
                        &c.ckb6n1,  &c.ckb6HRC, &c.ckb6Dc,  &c.ckb6Sprav, &c.ckb6TT};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t eq = line.find('=');
        const std::string where = shownPath + " line " + std::to_string(number);
        if (eq == std::string::npos) {
            return where + ": expected key=value";
        }
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (auto it = texts.find(key); it != texts.end()) {
            *it->second = value;
        } else if (key == "items") {
            std::size_t from = 0;
            while (from <= value.size() && !value.empty()) {
                const std::size_t comma = value.find(',', from);
                const std::string item = value.substr(from, comma - from);
                auto k = tryParseNumber(item);
                if (!k || *k < 1 || *k > 11 || *k != std::floor(*k)) {
                    return where + ": items are numbers 1 to 11, not '" + item + "'";
                }
                *switches[static_cast<int>(*k) - 1] = true;
                if (comma == std::string::npos) {
                    break;
                }
                from = comma + 1;
            }
        } else if (key == "comb6Kontrol") {
            if (value == "0" || value == "1" || value == "-1") {
                c.comb6KontrolIndex = std::stoi(value);
                // With no item selected the box keeps its initial text.
                c.comb6Kontrol =
                    c.comb6KontrolIndex == 1 ? "контрольной гильзы" : "контрольного стержня";
            } else {
                return where + ": comb6Kontrol is 0, 1 or -1";
            }
        } else {
            return where + ": unknown key '" + key + "'";
        }
    }
    return {};
}

} // namespace torvelix::cli
