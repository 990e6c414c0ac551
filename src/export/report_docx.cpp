// Writes the report document to a named file through the same call sequence as
// the export to the word processor.
#include "report_docx.h"

#include "docx_package.h"
#include "docx_word_backend.h"
#include "file_write.h"
#include "report_text.h"
#include "word_export.h"

namespace torvelix::wordexport {

void writeReportDocx(const std::vector<std::string>& lines, const std::string& path) {
    DocxWordApplication application([&path](const DocxDocument& document) {
        writeFileAtomically(path, buildDocxPackage(document));
    });
    try {
        typeReport(application, lines);
    } catch (const WordException& error) {
        throw UserError("cannot make the report document: " + std::string(error.what()));
    }
}

void writeReportDocument(const calc::ReportRecord& report, const std::string& path) {
    writeReportDocx(output::reportMemoLines(report), path);
}

} // namespace torvelix::wordexport
