// The process's own descriptors and inputs: closed standard descriptors made valid,
// input files read only when regular (never waiting on a FIFO), the private temporary
// folder absolute, and the one escaping of quoted text.
#include "file_read.h"
#include "private_folder.h"
#include "scratch_folder.h"
#include "standard_streams.h"
#include "utf8_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace torvelix;
using torvelix::testing::ScratchFolder;
using torvelix::testing::writeText;

TEST(StandardDescriptors, AClosedOneIsOpenedAndLosesWhatIsWrittenToIt) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(1);
        ensureStandardDescriptors();
        const bool valid = ::fcntl(1, F_GETFD) >= 0;
        // A file opened now does not become standard output.
        const int next = ::open("/dev/null", O_RDONLY);
        const bool writeFails = ::write(1, "x", 1) < 0 && errno == EBADF;
        ::_exit(valid && next > 2 && writeFails ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(RegularFileRead, ReadsFilesAndRefusesAFifoWithoutWaiting) {
    ScratchFolder scratch;
    const std::string file = scratch.file("tt.txt");
    writeText(file, "items=1\n");
    std::string bytes;
    EXPECT_EQ(readRegularFile(file, 100, bytes), ReadOutcome::Read);
    EXPECT_EQ(bytes, "items=1\n");
    EXPECT_EQ(readRegularFile(file, 7, bytes), ReadOutcome::TooLarge); // 8 bytes
    // No writer ever opens the FIFO: a blocking open would never return.
    const std::string fifo = scratch.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readRegularFile(fifo, 100, bytes), ReadOutcome::NotRegular);
    EXPECT_EQ(readRegularFile(scratch.path().string(), 100, bytes), ReadOutcome::NotRegular);
    EXPECT_EQ(readRegularFile("/dev/zero", 100, bytes), ReadOutcome::NotRegular);
    EXPECT_EQ(readRegularFile(scratch.file("missing"), 100, bytes), ReadOutcome::Unreadable);
}

TEST(PrivateFolder, IsAbsoluteForARelativeTemporaryFolder) {
    ScratchFolder scratch;
    std::filesystem::create_directory(scratch.file("-tmp"));
    const auto cwd = std::filesystem::current_path();
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    std::filesystem::current_path(scratch.path());
    ::setenv("TMPDIR", "-tmp", 1);
    const std::string folder = privateTemporaryFolder("torvelix");
    std::filesystem::current_path(cwd);
    old ? ::setenv("TMPDIR", saved.c_str(), 1) : ::unsetenv("TMPDIR");
    EXPECT_EQ(folder, scratch.file("-tmp/torvelix-" + std::to_string(::getuid())));
}

TEST(MessageEscaping, ControlCharactersAndBadBytesAreWrittenOut) {
    // NUL would cut a C string; ESC [ 2 J would clear a terminal; BEL rings it; U+009B
    // is the one-byte CSI of C1.
    EXPECT_EQ(escapeForMessage(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(escapeForMessage("\x1b[2J\a"), "\\x1B[2J\\x07");
    EXPECT_EQ(escapeForMessage("x\xc2\x9by"), "x\\u009By");
    EXPECT_EQ(escapeForMessage("line\r\nnext\x7f"), "line\\x0D\\x0Anext\\x7F");
    EXPECT_EQ(escapeForMessage("чертеж \xff.dxf"), "чертеж \\xFF.dxf");
    // A whole message keeps its own line breaks.
    EXPECT_EQ(escapeInvalidUtf8("one\r\ntwo\x1b"), "one\r\ntwo\\x1B");
}
