// The program's own folder for shown reports: made for the user alone, and cleared of
// report documents older than the given age, other files left alone.
#include "docx_word_backend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace torvelix::wordexport {
namespace {

namespace fs = std::filesystem;

TEST(ReportFolder, OldReportsGoNewOnesAndOtherFilesStay) {
    const fs::path folder = fs::temp_directory_path() / "torvelix-report-folder-test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto make = [&](const char* name, std::chrono::hours age) {
        std::ofstream(folder / name) << "x";
        fs::last_write_time(folder / name, fs::file_time_type::clock::now() - age);
    };
    make("torvelix-report-a1.docx", std::chrono::hours(48));
    make("torvelix-report-b2.docx", std::chrono::hours(1));
    make("letter.docx", std::chrono::hours(48));
    make("torvelix-report-c3.txt", std::chrono::hours(48));
    EXPECT_EQ(clearOldReports(folder.string(), std::chrono::hours(24)), 1);
    EXPECT_FALSE(fs::exists(folder / "torvelix-report-a1.docx"));
    EXPECT_TRUE(fs::exists(folder / "torvelix-report-b2.docx"));
    EXPECT_TRUE(fs::exists(folder / "letter.docx"));
    EXPECT_TRUE(fs::exists(folder / "torvelix-report-c3.txt"));
    fs::remove_all(folder);
    EXPECT_EQ(clearOldReports(folder.string(), std::chrono::hours(24)), 0); // no folder
}

TEST(ReportFolder, ItIsTheUsersOwn) {
    const std::string folder = reportFolder();
    ASSERT_FALSE(folder.empty());
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::getuid());
    EXPECT_EQ(reportFolder(), folder); // made once, found again
}

} // namespace
} // namespace torvelix::wordexport
