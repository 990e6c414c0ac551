// Fixed-column fields of the table lines.
#include "table_fields.h"

#include "number_parse.h"

#include <array>
#include <stdexcept>

namespace torvelix::tables {

namespace {

constexpr std::array<ColumnSpan, 5> kSpringFields = {
    {{1, 6}, {8, 5}, {14, 4}, {19, 7}, {27, 5}}};

constexpr std::array<ColumnSpan, 25> kWireFields = {{{1, 5},    {7, 5},    {13, 5},   {19, 4},
                                                     {24, 4},   {29, 6},   {36, 6},   {43, 5},
                                                     {49, 5},   {55, 7},   {63, 7},   {71, 6},
                                                     {78, 6},   {85, 7},   {93, 7},   {101, 6},
                                                     {108, 6},  {115, 4},  {120, 5},  {126, 6},
                                                     {133, 6},  {140, 4},  {145, 5},  {151, 6},
                                                     {158, 6}}};

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string Field(std::string_view line, int column, int width) {
    if (column < 1 || width <= 0) {
        return {};
    }
    const auto start = static_cast<std::size_t>(column - 1);
    if (start >= line.size()) {
        return {};
    }
    return std::string(line.substr(start, static_cast<std::size_t>(width)));
}

std::string TrimmedField(std::string_view line, int column, int width) {
    const std::string field = Field(line, column, width);
    return std::string(TrimBlanks(field));
}

ColumnSpan SpringFieldSpan(int field) {
    if (field < 1 || field > static_cast<int>(kSpringFields.size())) {
        throw std::out_of_range("spring-table field " + std::to_string(field));
    }
    return kSpringFields[static_cast<std::size_t>(field - 1)];
}

ColumnSpan WireFieldSpan(int field) {
    if (field < 1 || field > static_cast<int>(kWireFields.size())) {
        throw std::out_of_range("wire-table field " + std::to_string(field));
    }
    return kWireFields[static_cast<std::size_t>(field - 1)];
}

double SpringRowField(std::string_view row, int field) {
    const ColumnSpan span = SpringFieldSpan(field);
    return ParseTableNumber(Field(row, span.column, span.width));
}

double WireRowField(std::string_view row, int field) {
    if (field < 2) {
        throw std::out_of_range("wire-table field " + std::to_string(field));
    }
    const ColumnSpan span = WireFieldSpan(field);
    return ParseTableNumber(Field(row, span.column, span.width));
}

} // namespace torvelix::tables
