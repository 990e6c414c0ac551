// The tables of one preliminary selection, each read once.
#include "selection_tables.h"

#include "errors.h"
#include "number_parse.h"
#include "table_fields.h"
#include "table_files.h"

namespace torvelix::calc {

const std::string& WireTable::rowFor(double d) const {
    static const std::string kEmpty;
    if (!lines || lines->empty()) {
        return kEmpty;
    }
    const std::vector<std::string>& rows = *lines;
    const auto first = static_cast<std::size_t>(tables::wire_layout::kHeadingLines);
    const auto span = tables::wireFieldSpan(tables::wire_layout::kDiameterField);
    for (std::size_t n = first; n < rows.size(); ++n) {
        // A key that did not convert throws here, where a line-by-line search meets it.
        const double key =
            keys[n] ? *keys[n] : torvelix::parseTableNumber(tables::fieldAt(rows[n], span));
        if (key == d) {
            return rows[n];
        }
    }
    return rows.back();
}

WireTable readWireTable(const tables::TableState& state, const std::string& path) {
    WireTable table;
    table.lines = tables::tableLines(state, path);
    const std::vector<std::string>& rows = *table.lines;
    const auto span = tables::wireFieldSpan(tables::wire_layout::kDiameterField);
    if (const tables::NumberColumn* keys = tables::cachedColumn(state, path, span)) {
        // Converted once for the batch; the heading lines' keys are never used.
        table.keys = *keys;
        return table;
    }
    table.keys.reserve(rows.size());
    for (std::size_t n = 0; n < rows.size(); ++n) {
        table.keys.push_back(n < static_cast<std::size_t>(tables::wire_layout::kHeadingLines)
                                 ? std::nullopt
                                 : torvelix::tryParseNumber(tables::fieldAt(rows[n], span)));
    }
    return table;
}

std::string SelectionTables::springLine(long long k) const {
    if (k <= 0 || k > static_cast<long long>(springLines_->size())) {
        return {};
    }
    return (*springLines_)[static_cast<std::size_t>(k - 1)];
}

const WireTable& SelectionTables::wire() {
    if (wireFailed_) {
        throw TableIoError(wirePath_);
    }
    if (!wire_) {
        try {
            wire_ = readWireTable(state_, wirePath_);
        } catch (const TableIoError&) {
            wireFailed_ = true;
            throw;
        }
    }
    return *wire_;
}

} // namespace torvelix::calc
