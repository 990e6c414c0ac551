// A copy of the thirteen shipped tables in a scratch folder, named after a program
// <folder>/torvelix (torvelix_NNNN.dat), leaving out the table numbers given.
#pragma once

#include "scratch_folder.h"
#include "table_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace torvelix::testing {

class ShippedTables {
public:
    explicit ShippedTables(const std::vector<std::string>& missing = {}) {
        for (const char* number : tables::kTableNumbers) {
            if (std::find(missing.begin(), missing.end(), number) != missing.end()) {
                continue;
            }
            const std::filesystem::path from =
                std::filesystem::path(TORVELIX_DATA_DIR) / (std::string(number) + ".dat");
            const std::string to = exePath() + "_" + number + ".dat";
            std::error_code error;
            std::filesystem::copy_file(from, to, error);
            EXPECT_FALSE(error) << to << ": " << error.message();
        }
    }
    // The program's path: the tables lie beside it under its name.
    std::string exePath() const { return dir_.file("torvelix"); }
    const std::filesystem::path& dir() const { return dir_.path(); }

private:
    ScratchFolder dir_;
};

} // namespace torvelix::testing
