// Fixed-column fields of the table lines.
#include "table_fields.h"

#include "number_parse.h"

#include <stdexcept>

namespace torvelix::tables {

std::string fieldAt(std::string_view line, int column, int width) {
    if (column < 1 || width <= 0) {
        return {};
    }
    const auto start = static_cast<std::size_t>(column - 1);
    if (start >= line.size()) {
        return {};
    }
    return std::string(line.substr(start, static_cast<std::size_t>(width)));
}

std::string fieldAt(std::string_view line, ColumnSpan span) {
    return fieldAt(line, span.column, span.width);
}

std::string trimmedField(std::string_view line, int column, int width) {
    const std::string field = fieldAt(line, column, width);
    return std::string(trimBlanks(field));
}

std::string trimmedField(std::string_view line, ColumnSpan span) {
    return trimmedField(line, span.column, span.width);
}

ColumnSpan springFieldSpan(int field) {
    if (field < 1 || field > static_cast<int>(spring_layout::kFields.size())) {
        throw std::out_of_range("spring-table field " + std::to_string(field));
    }
    return spring_layout::kFields[static_cast<std::size_t>(field - 1)];
}

ColumnSpan wireFieldSpan(int field) {
    if (field < 1 || field > static_cast<int>(wire_layout::kFields.size())) {
        throw std::out_of_range("wire-table field " + std::to_string(field));
    }
    return wire_layout::kFields[static_cast<std::size_t>(field - 1)];
}

double SpringRowField(std::string_view row, int field) {
    const ColumnSpan span = springFieldSpan(field);
    return parseTableNumber(fieldAt(row, span));
}

double WireRowField(std::string_view row, int field) {
    if (field <= wire_layout::kDiameterField) {
        throw std::out_of_range("wire-table field " + std::to_string(field));
    }
    const ColumnSpan span = wireFieldSpan(field);
    return parseTableNumber(fieldAt(row, span));
}

} // namespace torvelix::tables
