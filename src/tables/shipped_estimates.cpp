// Recognising the shipped estimate tables by their recorded size and CRC-32.
#include "shipped_estimates.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>

namespace torvelix::tables {

namespace {

struct ShippedTable {
    const char* number;
    std::uintmax_t size;
    std::uint32_t crc32;
};

// Written by tools/gen_tables.py together with data/*.dat.
constexpr ShippedTable kShippedTables[] = {
#include "shipped_estimates.inc"
};

// The file's bytes when it is a regular file of exactly `size` bytes.
std::optional<std::string> contentOfSize(const std::string& path, std::uintmax_t size) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) != size || ec) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        return std::nullopt;
    }
    return bytes;
}

// "13766, 13768…13776": runs of consecutive numbers joined.
std::string numberRuns(const std::vector<std::string>& numbers) {
    std::string text;
    std::size_t k = 0;
    while (k < numbers.size()) {
        std::size_t last = k;
        while (last + 1 < numbers.size() &&
               std::stol(numbers[last + 1]) == std::stol(numbers[last]) + 1) {
            ++last;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += numbers[k];
        if (last > k) {
            text += (last == k + 1 ? ", " : "…") + numbers[last];
        }
        k = last + 1;
    }
    return text;
}

} // namespace

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= static_cast<unsigned char>(ch);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::vector<std::string> shippedEstimatesIn(const TablePathOf& pathOf) {
    std::vector<std::string> numbers;
    for (const ShippedTable& table : kShippedTables) {
        const auto bytes = contentOfSize(pathOf(table.number), table.size);
        if (bytes && crc32(*bytes) == table.crc32) {
            numbers.push_back(table.number);
        }
    }
    return numbers;
}

std::string estimateNotice(const std::vector<std::string>& numbers, const std::string& guidePath) {
    if (numbers.empty()) {
        return {};
    }
    return std::string(numbers.size() == 1 ? "Таблица пружин " : "Таблицы пружин ") +
           numberRuns(numbers) +
           " — расчетная оценка, номера пружин не по ГОСТ; как заменить их таблицами "
           "стандарта — в " +
           guidePath + ".";
}

} // namespace torvelix::tables
