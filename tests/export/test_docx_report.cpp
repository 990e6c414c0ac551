// The report document written by writeReportDocx, read back by python-docx: lines,
// paragraphs, font, and the safety of the file writing.
#include <gtest/gtest.h>

#include "errors.h"
#include "export_test_support.h"
#include "report_docx.h"

namespace torvelix::wordexport {
namespace {

using testing::checkDocxWithPython;
using testing::readText;
using testing::sampleReport;
using testing::ScratchFolder;
using testing::writeText;

TEST(ReportDocx, EveryLineIsOneCourierParagraphFollowedByOneEmptyParagraph) {
    ScratchFolder scratch;
    const std::string path = scratch.file("report.docx");
    writeReportDocx(sampleReport(), path);
    SKIP_WITHOUT_PYTHON("docx");
    EXPECT_EQ(checkDocxWithPython(path, sampleReport(), scratch), 0);

    // The check is not blind: a changed, a missing and an extra line are caught.
    std::vector<std::string> changed = sampleReport();
    changed[5] += " ";
    EXPECT_EQ(checkDocxWithPython(path, changed, scratch, true), 1);
    changed = sampleReport();
    changed.pop_back();
    EXPECT_EQ(checkDocxWithPython(path, changed, scratch, true), 1);
    changed = sampleReport();
    changed.push_back("");
    EXPECT_EQ(checkDocxWithPython(path, changed, scratch, true), 1);
}

TEST(ReportDocx, AnEmptyReportGivesOneEmptyParagraph) {
    ScratchFolder scratch;
    const std::string path = scratch.file("empty.docx");
    writeReportDocx({}, path);
    SKIP_WITHOUT_PYTHON("docx");
    EXPECT_EQ(checkDocxWithPython(path, {}, scratch), 0);
    EXPECT_EQ(checkDocxWithPython(path, {""}, scratch, true), 1);
}

// Text that is not valid UTF-8 or holds characters XML forbids still gives a
// readable document: bad bytes become U+FFFD, forbidden controls are dropped.
TEST(ReportDocx, TextUnfitForXmlStillGivesAReadableDocument) {
    ScratchFolder scratch;
    const std::string path = scratch.file("odd.docx");
    writeReportDocx({"F1\x01 = 20", "bad \xff\xfe byte", "half \xd0", "\xef\xbf\xbf"}, path);
    SKIP_WITHOUT_PYTHON("docx");
    EXPECT_EQ(checkDocxWithPython(
                  path, {"F1 = 20", "bad \xEF\xBF\xBD\xEF\xBF\xBD byte", "half \xEF\xBF\xBD", ""},
                  scratch),
              0);
}

TEST(ReportDocx, ReplacesAnExistingFileWhole) {
    ScratchFolder scratch;
    const std::string path = scratch.file("report.docx");
    writeText(path, std::string(100000, 'x'));
    writeReportDocx({"one"}, path);
    SKIP_WITHOUT_PYTHON("docx");
    EXPECT_EQ(checkDocxWithPython(path, {"one"}, scratch), 0);
    EXPECT_EQ(scratch.entries().size(), 2u); // the report and the check's expected.txt
}

TEST(ReportDocx, AFileThatCannotBeWrittenIsAClearErrorAndLeavesNothingBehind) {
    ScratchFolder scratch;
    const std::string missingFolder = scratch.file("no-such-folder/report.docx");
    try {
        writeReportDocx({"line"}, missingFolder);
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Не удалось записать файл " + missingFolder + ": нет такого файла или папки");
    }

    // A folder in the way: the rename fails, the folder stays, no temporary is left.
    const std::string folder = scratch.file("taken.docx");
    std::filesystem::create_directory(folder);
    writeText(folder + "/inside", "kept");
    EXPECT_THROW(writeReportDocx({"line"}, folder), UserError);
    EXPECT_EQ(readText(folder + "/inside"), "kept");
    EXPECT_EQ(scratch.entries(), std::vector<std::string>{"taken.docx"});
}

} // namespace
} // namespace torvelix::wordexport
