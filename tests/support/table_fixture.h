// Small standard tables written into a temporary folder for the core's tests: each
// test states the rows it computes with, in the exact fixed columns of the tables.
#pragma once

#include "scratch_folder.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace torvelix::testing {

// One classification row (columns 8-11, 13-18, 20-24, 26-29, 31-73, 75-79, 81-84).
std::string ClassRow(const std::string& f3Low, const std::string& f3High, const std::string& dLow,
                     const std::string& dHigh, const std::string& blank, const std::string& gost,
                     const std::string& tauFactor);

// One wire row: diameter, class I lower/upper, class II lower/upper, class IIA lower/upper.
std::string wireRow(const std::string& d, const std::string& iLow, const std::string& iHigh,
                    const std::string& iiLow, const std::string& iiHigh, const std::string& iiaLow,
                    const std::string& iiaHigh);

// One spring row: F3 (1-6), d (8-12), D1 (14-17), c1 (19-25), s3' (27-31).
std::string SpringRow(const std::string& f3, const std::string& d, const std::string& d1,
                      const std::string& c1, const std::string& s3);

// A folder holding a fake executable path and the thirteen tables beside it.
class TableFolder {
public:
    TableFolder() = default;
    TableFolder(const TableFolder&) = delete;
    TableFolder& operator=(const TableFolder&) = delete;

    // The executable path whose ExeBase names the tables (<dir>/spring.exe).
    std::string exePath() const { return folder_.file("spring.exe"); }
    std::string tablePath(const std::string& number) const;
    // Writes a table (UTF-8 lines are stored in Windows-1251, CR LF line ends).
    void write(const std::string& number, const std::vector<std::string>& lines) const;
    void remove(const std::string& number) const;
    const std::filesystem::path& dir() const { return folder_.path(); }

    // A classification table whose items all use the given tables and factors:
    // items 0, 1, 4, 5, 8 have a factor (0.3), the others a stress (560).
    void writeDefaultClassification() const;
    // A wire table with the diameters 1.00, 2.00, 3.00.
    void writeDefaultWire() const;

private:
    ScratchFolder folder_;
};

} // namespace torvelix::testing
