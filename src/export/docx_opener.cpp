// Finds and starts the program that shows a written .docx document.
#include "docx_opener.h"

#include "errors.h"
#include "open_document.h"
#include "process.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace torvelix::wordexport {

std::string resolveOpener(const std::string& configured) {
    std::string name = configured;
    if (name.empty()) {
        const char* variable = std::getenv(kOpenerVariable);
        name = variable != nullptr && *variable != '\0' ? variable : desktopOpener();
    }
    if (const auto path = findProgram(name)) {
        return *path;
    }
    if (name.find('/') != std::string::npos) {
        throw UserError("no program to show .docx documents: " + name +
                        " is not an executable file");
    }
    throw UserError("no program to show .docx documents: " + name + " not found in PATH");
}

void launchOpener(const std::string& openerPath, const std::string& file) {
    // An absolute path: a relative one starting with '-' would be read as an option.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const int status = startProgram(openerPath, error ? file : absolute.string());
    if (status != 0) {
        throw UserError(openerPath + " could not show " + file + " (exit status " +
                        std::to_string(status) + ")");
    }
}

} // namespace torvelix::wordexport
