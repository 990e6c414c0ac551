// The tables read once and kept in memory for a run over many designs (a batch): every
// design's session starts from one presence check, reads its lines from here and finds
// the columns it scans already converted.
#pragma once

#include "table_files.h"
#include "table_layouts.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace torvelix::tables {

using SharedLines = std::shared_ptr<const std::vector<std::string>>;

// A column's number on each line, none where its text does not convert.
using NumberColumn = std::vector<std::optional<double>>;

struct CachedTable {
    SharedLines lines;
    // The columns a selection scans, converted once: a spring table's F3 and outer
    // diameter, the wire table's diameter.
    std::vector<std::pair<ColumnSpan, NumberColumn>> columns;
};

struct TableCache {
    // The presence check's outcome, as every design's session starts from it.
    TableState checked;
    // Every table by the path the presence check found it at.
    std::map<std::string, CachedTable> files;
};

// Runs the presence check for the executable and reads every table it found. Null when
// the check fails or a table cannot be read whole: each design then reads the files
// itself and reports what it finds there, as a single run does.
std::shared_ptr<const TableCache> loadTableCache(const std::string& exePath);

// Every line of the table at path: the cache's lines when the state holds the tables
// read once and path is one of them, else read from the file now. Throws TableIoError.
SharedLines tableLines(const TableState& state, const std::string& path);

// Line k (1-based) of the table at path, as ReadTableLine gives it. Throws TableIoError.
std::string tableLine(const TableState& state, const std::string& path, long long k);

// The cached column of the table at path at span; null when there is none.
const NumberColumn* cachedColumn(const TableState& state, const std::string& path, ColumnSpan span);

// The number at span on lines[k]: from column when it has one there, else converted
// now (throws ConversionError, with the field's text, where it does not convert).
double numberAt(const std::vector<std::string>& lines, std::size_t k, ColumnSpan span,
                const NumberColumn* column);

} // namespace torvelix::tables
