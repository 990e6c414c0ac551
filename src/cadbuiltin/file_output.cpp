// UTF-8 reading and atomic whole-file output: temporary file, checked write, rename.
#include "file_output.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace torvelix::cad {

std::optional<std::uint32_t> NextCodePoint(const std::string& s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    std::uint32_t cp = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        extra = 3;
        cp = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0x80) {
        ++pos;
        return std::nullopt;
    }
    if (lead >= 0xF8 || pos + extra >= s.size()) {
        ++pos;
        return std::nullopt;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(s[pos + k]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += 1 + extra;
    return cp;
}

void WriteFileAtomically(const std::string& path, const std::string& contents) {
    const std::filesystem::path target(path);
    std::random_device random;
    const std::filesystem::path temp =
        target.string() + ".tmp" + std::to_string(random() % 1000000);
    const auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw std::runtime_error("Не удалось сохранить чертеж в файл " + path + ": " + reason);
    };
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file) {
            fail(std::strerror(errno));
        }
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        file.close();
        if (!file) {
            fail("ошибка записи");
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, target, error);
    if (error) {
        fail(error.message());
    }
}

} // namespace torvelix::cad
