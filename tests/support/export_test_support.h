// Helpers of the report-export tests: a scratch folder per test, text files, and
// the independent python-docx check of a written document.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace torvelix::wordexport::testing {

// A new empty folder, removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvelix-export-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch folder");
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Exit status of the python-docx check of document against lines (0: the document
// holds exactly these lines and one empty paragraph, all Courier New 12 point).
// quiet hides the differences it prints, for checks that are meant to fail.
inline int CheckDocxWithPython(const std::string& document, const std::vector<std::string>& lines,
                               const ScratchFolder& scratch, bool quiet = false) {
    std::string expected;
    for (const std::string& line : lines) {
        expected += line + "\n";
    }
    const std::string expectedPath = scratch.file("expected.txt");
    WriteText(expectedPath, expected);
    const std::string command = "/usr/bin/python3 '" TORVELIX_TEST_DIR "/export/docx_check.py' '" +
                                document + "' '" + expectedPath + "'" +
                                (quiet ? " 2>/dev/null" : "");
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A realistic report: banner lines, Cyrillic labels, leading and repeated blanks,
// a double quote, empty lines, and characters that XML escapes.
inline std::vector<std::string> SampleReport() {
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
