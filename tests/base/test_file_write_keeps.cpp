// What the file writer keeps and refuses beyond the content: links another user planted
// in a shared folder, hard links, extended attributes, the owner, long names, and no
// temporary file left when a signal ends the program during a write.
#include "file_write.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace torvelix;
using torvelix::testing::readText;
using torvelix::testing::ScratchFolder;
using torvelix::testing::writeText;
namespace fs = std::filesystem;

namespace {

constexpr uid_t kOtherUser = 65534; // nobody

struct stat statOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

std::string refusal(const std::string& path) {
    try {
        writeFileAtomically(path, "new");
    } catch (const FileWriteError& error) {
        return error.what();
    }
    return {};
}

} // namespace

// The kernel's fs.protected_symlinks rule, applied whatever the machine's setting: in a
// sticky folder anyone may write, a link owned by neither the writer nor the folder's
// owner is not followed. Making a link of another user needs the superuser.
TEST(FileWriteKeeps, ALinkPlantedInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a link to another user needs the superuser";
    }
    ScratchFolder scratch;
    const std::string shared = scratch.file("shared");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    const std::string victim = scratch.file("victim");
    writeText(victim, "old");
    const std::string planted = shared + "/out.dxf";
    fs::create_symlink(victim, planted);
    ASSERT_EQ(::lchown(planted.c_str(), kOtherUser, kOtherUser), 0);
    const std::string message = refusal(planted);
    EXPECT_NE(message.find("символическая ссылка " + planted + " лежит в общей папке " + shared),
              std::string::npos)
        << message;
    EXPECT_EQ(readText(victim), "old");
    EXPECT_TRUE(fs::is_symlink(planted));

    // The writer's own link there is followed, and so is any link once the folder is
    // not sticky.
    ASSERT_EQ(::lchown(planted.c_str(), 0, 0), 0);
    writeFileAtomically(planted, "mine");
    EXPECT_EQ(readText(victim), "mine");
    ASSERT_EQ(::lchown(planted.c_str(), kOtherUser, kOtherUser), 0);
    ::chmod(shared.c_str(), 0777);
    writeFileAtomically(planted, "plain");
    EXPECT_EQ(readText(victim), "plain");
}

TEST(FileWriteKeeps, HardLinksAttributesAndTheOwnerStay) {
    ScratchFolder scratch;
    const std::string path = scratch.file("out.svg");
    const std::string second = scratch.file("second-name.svg");
    writeText(path, "old content");
    fs::create_hard_link(path, second);
    const ino_t inode = statOf(path).st_ino;
    writeFileAtomically(path, "new");
    EXPECT_EQ(readText(second), "new");
    EXPECT_EQ(statOf(path).st_ino, inode); // rewritten in place
    EXPECT_EQ(statOf(second).st_nlink, 2u);
    fs::remove(second);
    EXPECT_EQ(scratch.entries(), std::vector<std::string>{"out.svg"}); // no backup left

    if (::setxattr(path.c_str(), "user.torvelix", "kept", 4, 0) == 0) {
        writeFileAtomically(path, "again");
        char value[16] = {};
        EXPECT_EQ(::getxattr(path.c_str(), "user.torvelix", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    } else {
        std::cout << "no user attributes on this file system: not checked\n";
    }

    if (::geteuid() == 0) {
        // The superuser's rename keeps another user's file theirs.
        ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherUser), 0);
        ::chmod(path.c_str(), 0640);
        writeFileAtomically(path, "by root");
        const struct stat info = statOf(path);
        EXPECT_EQ(info.st_uid, kOtherUser);
        EXPECT_EQ(info.st_gid, static_cast<gid_t>(kOtherUser));
        EXPECT_EQ(info.st_mode & 07777, 0640u);
        EXPECT_EQ(readText(path), "by root");
    }
}

// The temporary name does not grow with the target's: a name of 250 bytes and a path of
// 4,090 bytes (the system's limits are 255 and 4,095) are written.
TEST(FileWriteKeeps, LongNamesAndPathsTheSystemTakes) {
    ScratchFolder scratch;
    const std::string longName = scratch.file(std::string(246, 'n') + ".dxf");
    writeFileAtomically(longName, "long name");
    EXPECT_EQ(readText(longName), "long name");
    writeFileAtomically(longName, "replaced");
    EXPECT_EQ(readText(longName), "replaced");

    std::string folder = scratch.path().string();
    const std::string level(200, 'f');
    while (4090 - folder.size() - 1 > 250) { // the last name at most 250 bytes
        folder += "/" + level;
        fs::create_directory(folder);
    }
    const std::string deep = folder + "/" + std::string(4090 - folder.size() - 1, 'p');
    ASSERT_EQ(deep.size(), 4090u);
    writeFileAtomically(deep, "deep");
    EXPECT_EQ(readText(deep), "deep");
    writeFileAtomically(deep, "deeper");
    EXPECT_EQ(readText(deep), "deeper");
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++count;
    }
    EXPECT_EQ(count, 1u);
}

// SIGINT and SIGTERM arriving while a named temporary file is written remove it, and
// the program still ends by the signal.
TEST(FileWriteKeeps, ASignalDuringAWriteLeavesNoTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM}) {
        ScratchFolder scratch;
        const std::string path = scratch.file("out.dxf");
        writeText(path, "old");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::signal(signal, SIG_DFL);
            writeFileAtomicallyThrough(path, [signal](const std::string& name) {
                writeText(name, "half");
                ::raise(signal);
            });
            ::_exit(0); // not reached: the signal ends the child
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(readText(path), "old");
        EXPECT_EQ(scratch.entries(), std::vector<std::string>{"out.dxf"}) << signal;
    }
}
