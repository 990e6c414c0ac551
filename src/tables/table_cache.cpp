// Reading the tables once for a batch, and the reads that use them.
#include "table_cache.h"

#include "errors.h"
#include "number_parse.h"
#include "table_fields.h"

namespace torvelix::tables {

namespace {

const CachedTable* cachedTable(const TableState& state, const std::string& path) {
    if (!state.Cache) {
        return nullptr;
    }
    const auto found = state.Cache->files.find(path);
    return found == state.Cache->files.end() ? nullptr : &found->second;
}

NumberColumn convertColumn(const std::vector<std::string>& lines, ColumnSpan span) {
    NumberColumn column;
    column.reserve(lines.size());
    for (const std::string& line : lines) {
        column.push_back(torvelix::tryParseNumber(fieldAt(line, span)));
    }
    return column;
}

bool isSpringTable(const std::string& number) {
    return number != std::string(kWireTableNumber) && number != std::string(kClassTableNumber);
}

} // namespace

std::shared_ptr<const TableCache> loadTableCache(const std::string& exePath) {
    auto cache = std::make_shared<TableCache>();
    // A failed check is left to each design, which shows its message in its own output.
    RecordingMessageSink ignored;
    CheckTables(cache->checked, exePath, ignored);
    if (!cache->checked.TablesOk) {
        return nullptr;
    }
    try {
        for (const char* number : kTableNumbers) {
            const std::string path = TablePath(cache->checked, number);
            CachedTable table;
            table.lines = std::make_shared<const std::vector<std::string>>(readAllTableLines(path));
            if (isSpringTable(number)) {
                for (const ColumnSpan span : {spring_layout::kF3, spring_layout::kOuterDFilter}) {
                    table.columns.emplace_back(span, convertColumn(*table.lines, span));
                }
            } else if (number == std::string(kWireTableNumber)) {
                const ColumnSpan span = wireFieldSpan(wire_layout::kDiameterField);
                table.columns.emplace_back(span, convertColumn(*table.lines, span));
            }
            cache->files.emplace(path, std::move(table));
        }
    } catch (const TableIoError&) {
        return nullptr;
    }
    return cache;
}

SharedLines tableLines(const TableState& state, const std::string& path) {
    if (const CachedTable* table = cachedTable(state, path)) {
        return table->lines;
    }
    return std::make_shared<const std::vector<std::string>>(readAllTableLines(path));
}

std::string tableLine(const TableState& state, const std::string& path, long long k) {
    const CachedTable* table = cachedTable(state, path);
    if (!table) {
        return ReadTableLine(path, k);
    }
    if (k <= 0 || k > static_cast<long long>(table->lines->size())) {
        return {};
    }
    return (*table->lines)[static_cast<std::size_t>(k - 1)];
}

const NumberColumn* cachedColumn(const TableState& state, const std::string& path,
                                 ColumnSpan span) {
    if (const CachedTable* table = cachedTable(state, path)) {
        for (const auto& [at, column] : table->columns) {
            if (at.column == span.column && at.width == span.width) {
                return &column;
            }
        }
    }
    return nullptr;
}

double numberAt(const std::vector<std::string>& lines, std::size_t k, ColumnSpan span,
                const NumberColumn* column) {
    if (column && k < column->size() && (*column)[k]) {
        return *(*column)[k];
    }
    return torvelix::parseTableNumber(fieldAt(lines[k], span));
}

} // namespace torvelix::tables
