// The report as a .docx file without showing it: the command line's --docx.
#pragma once

#include "report_record.h"

#include <string>
#include <vector>

namespace torvelix::wordexport {

// Types lines into a new document exactly as the export to the word processor does
// (Courier New 12 point, one paragraph per line, then one empty paragraph) and
// writes it to path atomically. Throws UserError with the reason when the
// document cannot be made or written; path is then left as it was.
void writeReportDocx(const std::vector<std::string>& lines, const std::string& path);

// The report memo's lines of the record, typed and written as above.
void writeReportDocument(const calc::ReportRecord& report, const std::string& path);

} // namespace torvelix::wordexport
