// Pieces of the POSIX file writer shared by its files: its failures, link resolution as
// the kernel's protected-link rule allows it, the temporary names that a signal handler
// removes, and carrying a file's owner, mode and extended attributes over.
#pragma once

#include <csignal>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace torvelix::posixwrite {

// A failure inside the writer: errno's reason, or a refusal of our own (in Russian).
struct Failure {
    std::string reason;
};

std::string errorReason(int error);
[[noreturn]] void fail(int error);

// The file a write to path replaces, with symbolic links followed only where the kernel
// with fs.protected_symlinks on would follow them: a link in a sticky, world-writable
// folder (/tmp) is followed only when this user or the folder's owner owns it, whatever
// the machine's setting. A link whose file does not exist is refused (a write through it
// would create a file wherever it points). Each refusal names the link.
struct Resolved {
    std::string path; // no link left in it
    bool exists = false;
    struct stat info {};
};
Resolved resolveForWriting(const std::string& path);

// SIGINT, SIGTERM and SIGHUP held back while alive, so that a step that must not be cut
// (creating and registering a temporary file, rewriting a file in place) runs whole.
class SignalBlock {
public:
    SignalBlock();
    ~SignalBlock();
    SignalBlock(const SignalBlock&) = delete;
    SignalBlock& operator=(const SignalBlock&) = delete;

private:
    sigset_t previous_{};
};

// A temporary file's name in a folder, removed by the handler of SIGINT, SIGTERM and
// SIGHUP while registered (the handler then ends the program by the signal as before).
// Create the file and register it under one SignalBlock. Names are at most
// kMaxRegisteredName bytes; at most two are registered at once.
inline constexpr std::size_t kMaxRegisteredName = 31;
class RegisteredName {
public:
    RegisteredName(int folderFd, const std::string& name);
    ~RegisteredName(); // unregisters; removes nothing
    RegisteredName(const RegisteredName&) = delete;
    RegisteredName& operator=(const RegisteredName&) = delete;

private:
    int slot_ = -1;
};

// Gives the new file fd the owner, group, permission bits, ACL and other extended
// attributes of the file at path (info: its stat). False when any of them cannot be
// given (another owner, a group this user is not in, an attribute it may not set or read).
bool carryOver(int fd, const std::string& path, const struct stat& info);

// A folder held open (O_PATH) so that the names in it stay the ones checked.
class Folder {
public:
    // followLink false: a link in the folder's own place (swapped in after the path was
    // resolved) is refused.
    explicit Folder(const std::string& path, bool followLink = true); // throws Failure
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

// A new file in a folder named prefix + eight random letters + suffix, created
// exclusively (O_EXCL, O_NOFOLLOW) with mode; its descriptor, with name set. A folder
// that refuses the file is named in the failure.
int createExclusive(const Folder& folder, const std::string& prefix, const std::string& suffix,
                    mode_t mode, std::string& name);

void writeAll(int fd, const char* data, std::size_t size);

// A temporary file in a folder: unnamed (O_TMPFILE, so that even SIGKILL leaves nothing)
// where the system has it and `unnamed` allows it, else ".tvx" + eight letters,
// registered for removal by a signal. Closed, and its name removed, unless kept.
class TemporaryFile {
public:
    TemporaryFile(const Folder& folder, mode_t mode, bool unnamed);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& name() const { return name_; } // empty while unnamed
    std::string path() const;
    void sync();      // fsync; throws Failure
    void giveName();  // links an unnamed file under a registered random name
    void keep();      // the name stays; the file is closed
    void closeFile(); // throws Failure when the close reports an error

private:
    const Folder& folder_;
    int fd_ = -1;
    std::string name_;
    std::unique_ptr<RegisteredName> registered_;
    bool kept_ = false;
};

// Rewrites the existing file `name` in folder (stat info) in place with the size bytes
// of content (read from offset 0), after a copy of its old content beside it that is
// removed once the write has succeeded; on a failure the old content is put back (or,
// where that fails too, the failure names the copy). The inode, and with it its owner,
// group, mode, ACL, attributes and other hard links, stays.
void rewriteInPlace(const Folder& folder, const std::string& name, const struct stat& info,
                    int content, off_t size);

} // namespace torvelix::posixwrite
