// The one way the program writes a whole file: into a temporary file beside the target,
// flushed to the disk, then renamed over the target, so that the target holds either its
// old content or the whole new one; a file that a rename would change otherwise is
// rewritten in place behind a backup copy.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "errors.h"

namespace torvelix {

// A file that could not be written: "Не удалось записать файл <path>: <reason>" (or
// "Не удалось создать файл в папке <folder>: <reason>" for a new file), the reason in
// Russian for the refusals below and for the common system errors.
class FileWriteError : public UserError {
public:
    FileWriteError(const std::string& message, const std::string& path, const std::string& reason)
        : UserError(message), path_(path), reason_(reason) {}
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

// Replaces the file at path with bytes.
// Links: a symbolic link at path (or on the way to it) is followed and the file it points
// to replaced, but only where the kernel's protected-link rule would follow it: a link in
// a sticky folder that anyone may write (/tmp) whose owner is neither this user nor the
// folder's owner is refused, whatever fs.protected_symlinks says; so is a link to a file
// that does not exist. Refused too: an existing target that is read-only for this user
// (judged by its permission bits, so also for the superuser) and one that is not a
// regular file (a folder, a FIFO, a device).
// What an existing target keeps: its owner, group, permission bits, ACL and extended
// attributes, given to the new file before the rename; where they cannot be given (the
// file belongs to another user, a group this user is not in, an attribute it may not
// set) or where the file has other hard links, the file is rewritten in place after a
// backup copy beside it, removed once the write has succeeded. A new file gets 0666 less
// the umask (or the folder's default ACL).
// The temporary file is unnamed where the system allows (nothing remains even after
// SIGKILL), else a short name (".tvx" + eight letters) that SIGINT, SIGTERM and SIGHUP
// remove. On any failure the old file is left as it was, no temporary file remains, and
// FileWriteError is thrown; a folder that refuses the new file is named in the reason.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// As writeFileAtomically, for libraries that write a file by its name: fill gets the
// temporary file's path (an empty file already created, always named) and writes the
// whole content there; an exception from fill leaves everything as it was and passes on.
void writeFileAtomicallyThrough(const std::string& path,
                                const std::function<void(const std::string&)>& fill);

// Writes bytes to a new file in folder named stem + "-" + eight random letters +
// suffix, readable by the user only, and returns its path; never replaces a file.
// Throws FileWriteError naming the folder.
std::string writeNewFile(const std::string& folder, const std::string& stem,
                         const std::string& suffix, std::string_view bytes);

// Whether the user may create files in folder (an existing folder with write and
// search permission).
bool isWritableFolder(const std::string& folder);

} // namespace torvelix
