// `torvelix calc --batch FILE --format json`: a CSV file of designs, one per line under
// a header naming the options, each written as one line of JSON (JSON Lines). A line
// that fails gives its error and the batch goes on.
#include "calc_batch.h"
#include "calc_design.h"
#include "calc_extended.h"
#include "candidate_json.h"
#include "console_messages.h"
#include "csv_records.h"
#include "file_read.h"
#include "utf8_text.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace torvelix::cli {

namespace {

constexpr std::size_t kMaxBatchBytes = 64u << 20;

std::string errorLine(int line, const std::string& error) {
    return "{\"line\":" + std::to_string(line) + ",\"error\":" + output::jsonString(error) + "}\n";
}

// The header's columns, checked against the design's option names; empty: an error
// has been printed.
std::vector<std::string> headerColumns(const CsvRecord& header, MessageSink& messages) {
    const std::vector<std::string>& names = designOptionNames();
    std::set<std::string> seen;
    for (const std::string& column : header.fields) {
        if (std::find(names.begin(), names.end(), column) == names.end()) {
            messages.show(MessageIcon::Error, "batch header: unknown column '" + column + "'");
            return {};
        }
        if (!seen.insert(column).second) {
            messages.show(MessageIcon::Error, "batch header: column '" + column + "' twice");
            return {};
        }
    }
    return header.fields;
}

std::string designLine(const CsvRecord& record, const std::vector<std::string>& columns,
                       const std::string& exePath,
                       const std::shared_ptr<const tables::TableCache>& tables, bool& failed) {
    failed = true;
    if (!record.error.empty()) {
        return errorLine(record.line, record.error);
    }
    if (record.fields.size() != columns.size()) {
        return errorLine(record.line, std::to_string(record.fields.size()) +
                                          " fields, the header has " +
                                          std::to_string(columns.size()));
    }
    std::map<std::string, std::string> values;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        // An empty cell leaves the option at its default.
        if (!record.fields[k].empty()) {
            values[columns[k]] = record.fields[k];
        }
    }
    const DesignRequest request = parseDesignRequest(values);
    if (!request.error.empty()) {
        return errorLine(record.line, request.error);
    }
    RecordingMessageSink messages;
    // Only the records are written: the memos' text is left out.
    const DesignRun run = runDesign(request, exePath, messages, {tables, false});
    const output::CalcOutput out = calcOutputOf(request, run, messages.messages);
    failed = run.status != 0;
    // The line number goes first, before the members of the calculation's object.
    std::string line = "{\"line\":";
    line.append(std::to_string(record.line)).append(1, ',');
    output::appendCalcOutputMembers(line, out);
    return line.append("}\n");
}

} // namespace

BatchOutcome runBatchText(const std::string& text, const std::string& exePath,
                          const std::function<void(const std::string&)>& writeLine,
                          MessageSink& messages) {
    BatchOutcome outcome;
    const std::vector<CsvRecord> records = parseCsvRecords(text);
    if (records.empty() || !records.front().error.empty()) {
        messages.show(MessageIcon::Error, "the batch file has no header line");
        return outcome;
    }
    const std::vector<std::string> columns = headerColumns(records.front(), messages);
    if (columns.empty()) {
        return outcome;
    }
    outcome.headerOk = true;
    // The tables are read once for the whole batch; when they cannot be, every design
    // looks for them itself and reports what it finds.
    const std::shared_ptr<const tables::TableCache> tables = tables::loadTableCache(exePath);
    for (std::size_t k = 1; k < records.size(); ++k) {
        bool failed = false;
        writeLine(designLine(records[k], columns, exePath, tables, failed));
        ++outcome.designs;
        outcome.failed += failed ? 1 : 0;
    }
    return outcome;
}

int runCalcBatch(const std::string& path, const std::string& exePath) {
    ConsoleMessageSink console;
    std::string text;
    if (readRegularFile(path, kMaxBatchBytes, text) != ReadOutcome::Read) {
        console.show(MessageIcon::Error, "cannot read the batch file " + escapeForMessage(path));
        return 1;
    }
    const BatchOutcome outcome = runBatchText(
        text, exePath, [](const std::string& line) { std::fputs(line.c_str(), stdout); }, console);
    std::fflush(stdout);
    return !outcome.headerOk || outcome.failed > 0 ? 1 : 0;
}

} // namespace torvelix::cli
