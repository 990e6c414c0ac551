// Helpers of the report-export tests: the shared scratch folder, text files, and
// the independent python-docx check of a written document.
#pragma once

#include <gtest/gtest.h>

#include "python_reader.h"
#include "scratch_folder.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace torvelix::wordexport::testing {

using torvelix::testing::readText;
using torvelix::testing::ScratchFolder;
using torvelix::testing::writeText;

// Exit status of the python-docx check of document against lines (0: the document
// holds exactly these lines and one empty paragraph, all Courier New 12 point).
// quiet hides the differences it prints, for checks that are meant to fail. A test calls
// SKIP_WITHOUT_PYTHON("docx") first.
inline int checkDocxWithPython(const std::string& document, const std::vector<std::string>& lines,
                               const ScratchFolder& scratch, bool quiet = false) {
    std::string expected;
    for (const std::string& line : lines) {
        expected += line + "\n";
    }
    const std::string expectedPath = scratch.file("expected.txt");
    writeText(expectedPath, expected);
    const std::string command = std::string(torvelix::testing::kPythonInterpreter) +
                                " '" TORVELIX_TEST_DIR "/export/docx_check.py' '" + document +
                                "' '" + expectedPath + "'" + (quiet ? " 2>/dev/null" : "");
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A realistic report: banner lines, Cyrillic labels, leading and repeated blanks,
// a double quote, empty lines, and characters that XML escapes.
inline std::vector<std::string> sampleReport() {
    return {
        std::string(62, '='),
        "   ____________ Программа \" T O R V E L A \" _______________   ",
        std::string(62, '='),
        "",
        "===================== Исходные данные ========================",
        "Сила при предварительной деформации,   F1,   (Н)   : 20.000",
        "Наружный диаметр (max),                Dn,   (мм)  : 12.000",
        "Максимальная деформация одного витка,  s\"3,  (мм)  : 0.517",
        "  -   при предварительной деформации,  L1,   (мм)  : 45.500",
        "Занимаемый объем,                      V,    (мм^3): 1.23457E+006",
        "Tabs\tand <tags> & \"quotes\" 'apostrophes' > end",
        " ",
        std::string(62, '='),
    };
}

} // namespace torvelix::wordexport::testing
