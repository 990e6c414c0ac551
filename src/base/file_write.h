// The one way the program writes a whole file: into a temporary file created
// exclusively beside the target, flushed to the disk, then renamed over the target,
// so that the target holds either its old content or the whole new one.
#pragma once

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

// Replaces the file at path with bytes. A symbolic link at path is followed and the
// file it points to replaced. Refused: an existing target that is read-only for this
// user (judged by its permission bits, so also for the superuser) and one that is not
// a regular file (a folder, a FIFO, a device). An existing target keeps its permission
// bits; a new file gets 0666 less the umask. On any failure the old file is left as it
// was, no temporary file remains, and FileWriteError is thrown.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// Writes bytes to a new file in folder named stem + "-" + eight random letters +
// suffix, readable by the user only, and returns its path; never replaces a file.
// Throws FileWriteError naming the folder.
std::string writeNewFile(const std::string& folder, const std::string& stem,
                         const std::string& suffix, std::string_view bytes);

// Whether the user may create files in folder (an existing folder with write and
// search permission).
bool isWritableFolder(const std::string& folder);

} // namespace torvelix
