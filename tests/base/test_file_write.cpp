// The file writer's guarantees: whole replacement, refusals, permission bits, links,
// nothing left behind on failure.
#include "file_write.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/types.h>

using namespace torvelix;
using torvelix::testing::readText;
using torvelix::testing::ScratchFolder;
using torvelix::testing::writeText;
namespace fs = std::filesystem;

namespace {

unsigned mode(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// The message of the FileWriteError that writing path throws; empty when none.
std::string refusal(const std::string& path) {
    try {
        writeFileAtomically(path, "new");
    } catch (const FileWriteError& error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST(FileWrite, ReplacesTheWholeFileAndKeepsItsPermissionBits) {
    ScratchFolder scratch;
    const std::string path = scratch.file("out.dxf");
    writeText(path, std::string(10000, 'x'));
    ::chmod(path.c_str(), 0600);
    writeFileAtomically(path, "short");
    EXPECT_EQ(readText(path), "short");
    EXPECT_EQ(mode(path), 0600u);
    ::chmod(path.c_str(), 0640);
    writeFileAtomically(path, "again");
    EXPECT_EQ(mode(path), 0640u);
    EXPECT_EQ(scratch.entries(), std::vector<std::string>{"out.dxf"});
}

TEST(FileWrite, ANewFileGetsTheUsualModeLessTheUmask) {
    ScratchFolder scratch;
    const mode_t old = ::umask(027);
    writeFileAtomically(scratch.file("new.svg"), "");
    ::umask(old);
    EXPECT_EQ(mode(scratch.file("new.svg")), 0640u); // 0666 & ~0027
}

// Run as the superuser too: the permission bits decide, not the right to write.
TEST(FileWrite, RefusesAReadOnlyFileAndWhatIsNotARegularFile) {
    ScratchFolder scratch;
    const std::string readOnly = scratch.file("kept.docx");
    writeText(readOnly, "old");
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(refusal(readOnly),
              "Не удалось записать файл " + readOnly + ": файл только для чтения");
    EXPECT_EQ(readText(readOnly), "old");

    const std::string folder = scratch.file("folder.dxf");
    fs::create_directory(folder);
    const std::string fifo = scratch.file("fifo.dxf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    for (const std::string& path : {folder, fifo, std::string("/dev/null")}) {
        EXPECT_EQ(refusal(path), "Не удалось записать файл " + path + ": это не обычный файл");
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(scratch.entries().size(), 3u); // no temporary file left
}

TEST(FileWrite, WritesThroughASymbolicLinkToTheFileItNames) {
    ScratchFolder scratch;
    fs::create_directory(scratch.file("real"));
    const std::string real = scratch.file("real/drawing.dxf");
    writeText(real, "old");
    ::chmod(real.c_str(), 0600);
    const std::string link = scratch.file("link.dxf");
    fs::create_symlink("real/drawing.dxf", link); // relative to the link's folder
    writeFileAtomically(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readText(real), "new");
    EXPECT_EQ(mode(real), 0600u);

    // A link to a file that does not exist is refused by its name: a write through it
    // would create a file wherever it points.
    const std::string dangling = scratch.file("dangling.dxf");
    fs::create_symlink("real/made.dxf", dangling);
    EXPECT_EQ(refusal(dangling),
              "Не удалось записать файл " + dangling + ": символическая ссылка " + dangling +
                  " ведет к несуществующему файлу " + scratch.file("real/made.dxf"));
    EXPECT_FALSE(fs::exists(scratch.file("real/made.dxf")));
    // A link to a folder on the way to a new file is followed.
    fs::create_symlink("real", scratch.file("folder-link"));
    writeFileAtomically(scratch.file("folder-link/new.dxf"), "new");
    EXPECT_EQ(readText(scratch.file("real/new.dxf")), "new");
}

TEST(FileWrite, AFailureLeavesTheOldFileAndNoTemporaryFile) {
    ScratchFolder scratch;
    const std::string missing = scratch.file("no-such-folder/out.svg");
    EXPECT_EQ(refusal(missing),
              "Не удалось записать файл " + missing + ": нет такого файла или папки");
}

TEST(FileWrite, ANewFileInAFolderIsPrivateAndNeverReplacesOne) {
    ScratchFolder scratch;
    const std::string first = writeNewFile(scratch.path().string(), "report", ".docx", "one");
    const std::string second = writeNewFile(scratch.path().string(), "report", ".docx", "two");
    EXPECT_NE(first, second);
    EXPECT_EQ(readText(first), "one");
    EXPECT_EQ(mode(first), 0600u);
    EXPECT_EQ(fs::path(first).filename().string().size(), 20u); // "report-" + 8 + ".docx"
    EXPECT_THROW(writeNewFile(scratch.file("missing"), "report", ".docx", ""), FileWriteError);
}
