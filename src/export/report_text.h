// The report memo's text, written from the final calculation's record: the lines the
// window shows, the document holds and the command line prints.
#pragma once

#include "report_record.h"

#include <string>
#include <vector>

namespace torvelix::output {

// The report's first five lines: the banner, author and contact lines.
std::vector<std::string> reportHeader();

// A report value in its number format.
std::string reportNumber(const calc::ReportValue& value);

// The whole report: the header, the inputs, the blank's standard, the spring number
// and every result, each value as "label, symbol, (unit) : number" in fixed columns
// (label 39 characters, symbol 6, unit 6), then a closing line of '='.
std::vector<std::string> reportMemoLines(const calc::ReportRecord& report);

} // namespace torvelix::output
