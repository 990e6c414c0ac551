// Reading CSV text (RFC 4180, also with bare LF line ends and a UTF-8 byte-order mark)
// into records of fields, each with the line it starts on.
#pragma once

#include <string>
#include <vector>

namespace torvelix::cli {

struct CsvRecord {
    int line = 0; // 1-based line of the text where the record starts
    std::vector<std::string> fields;
    std::string error; // non-empty: the record is malformed (an unclosed quote)
};

// Blank lines give no record. A quoted field may hold commas, doubled quotes and line
// breaks; a quote left open ends the text with a record that carries its error.
std::vector<CsvRecord> parseCsvRecords(const std::string& text);

} // namespace torvelix::cli
