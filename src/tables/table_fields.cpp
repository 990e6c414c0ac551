// Fixed-column fields of the table lines.
#include "table_fields.h"

#include "number_parse.h"

#include <stdexcept>

namespace torvelix::tables {

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

std::string Field(std::string_view line, ColumnSpan span) {
    return Field(line, span.column, span.width);
}

std::string TrimmedField(std::string_view line, int column, int width) {
    const std::string field = Field(line, column, width);
    return std::string(TrimBlanks(field));
}

std::string TrimmedField(std::string_view line, ColumnSpan span) {
    return TrimmedField(line, span.column, span.width);
}

ColumnSpan SpringFieldSpan(int field) {
    if (field < 1 || field > static_cast<int>(spring_layout::kFields.size())) {
        throw std::out_of_range("spring-table field " + std::to_string(field));
    }
    return spring_layout::kFields[static_cast<std::size_t>(field - 1)];
}

ColumnSpan WireFieldSpan(int field) {
    if (field < 1 || field > static_cast<int>(wire_layout::kFields.size())) {
        throw std::out_of_range("wire-table field " + std::to_string(field));
    }
    return wire_layout::kFields[static_cast<std::size_t>(field - 1)];
}

double SpringRowField(std::string_view row, int field) {
    const ColumnSpan span = SpringFieldSpan(field);
    return ParseTableNumber(Field(row, span));
}

double WireRowField(std::string_view row, int field) {
    if (field <= wire_layout::kDiameterField) {
        throw std::out_of_range("wire-table field " + std::to_string(field));
    }
    const ColumnSpan span = WireFieldSpan(field);
    return ParseTableNumber(Field(row, span));
}

} // namespace torvelix::tables
