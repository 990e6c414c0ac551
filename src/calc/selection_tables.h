// The two tables a preliminary selection computes its candidates from, each read at
// most once per selection: the spring table as the candidate scan read it, and the
// wire table, read when the first candidate needs it. Nothing outlives the selection,
// so every selection sees the files as they are when it runs.
#pragma once

#include "table_cache.h"

#include <optional>
#include <string>
#include <vector>

namespace torvelix::calc {

// The wire table's lines with the diameter key of each data line converted once
// (none where it does not convert).
struct WireTable {
    tables::SharedLines lines;               // null until read
    std::vector<std::optional<double>> keys; // keys[0] belongs to the heading: unused

    // The row whose diameter equals d exactly, searched from the first data line; the
    // last line when none matches, the heading when there is no data line, empty for
    // an empty file. Throws ConversionError at a key before the match that does not
    // convert, as a line-by-line search would.
    const std::string& rowFor(double d) const;
};

// Reads the wire table (from the tables read once, when the state holds them). Throws
// TableIoError.
WireTable readWireTable(const tables::TableState& state, const std::string& path);

class SelectionTables {
public:
    // state: where the wire table is read from; it outlives the selection.
    SelectionTables(const tables::TableState& state, std::string springPath,
                    tables::SharedLines springLines, std::string wirePath)
        : state_(state), springPath_(std::move(springPath)), springLines_(std::move(springLines)),
          wirePath_(std::move(wirePath)) {}

    const std::string& springPath() const { return springPath_; }
    const std::string& wirePath() const { return wirePath_; }
    const std::vector<std::string>& springLines() const { return *springLines_; }

    // Line k (1-based) as a read by number would return it: empty for k <= 0 and past
    // the end.
    std::string springLine(long long k) const;

    // The wire table, read on the first call. A read that failed fails again on every
    // later call without touching the file (TableIoError).
    const WireTable& wire();

private:
    const tables::TableState& state_;
    std::string springPath_;
    tables::SharedLines springLines_;
    std::string wirePath_;
    std::optional<WireTable> wire_;
    bool wireFailed_ = false;
};

} // namespace torvelix::calc
