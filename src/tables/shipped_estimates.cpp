// Recognising the shipped estimate tables by the rows the calculation reads from them:
// their number and the CRC-32 of their text, line ends left out.
#include "shipped_estimates.h"

#include "errors.h"
#include "table_files.h"

#include <optional>
#include <utility>

namespace torvelix::tables {

namespace {

struct ShippedTable {
    const char* number;
    std::size_t rows;
    std::uint32_t crc32;
};

// Written by tools/gen_tables.py together with data/*.dat.
constexpr ShippedTable kShippedTables[] = {
#include "shipped_estimates.inc"
};

// The rows as the calculation reads them (CR LF or LF line ends, a last line with or
// without one), each followed by LF, and their count; nothing when the file cannot be read.
std::optional<std::pair<std::size_t, std::string>> rowsOf(const std::string& path) {
    try {
        const std::vector<std::string> rows = readAllTableLines(path);
        std::string text;
        for (const std::string& row : rows) {
            text.append(row).append(1, '\n');
        }
        return std::make_pair(rows.size(), std::move(text));
    } catch (const TableIoError&) {
        return std::nullopt;
    }
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
        const auto rows = rowsOf(pathOf(table.number));
        if (rows && rows->first == table.rows && crc32(rows->second) == table.crc32) {
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
