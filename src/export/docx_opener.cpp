// Finds and starts the program that shows a written .docx document.
#include "docx_opener.h"

#include "errors.h"
#include "open_document.h"
#include "process.h"

#include <cstdlib>
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
    const int status = startProgram(openerPath, file);
    if (status != 0) {
        throw UserError(openerPath + " could not show " + file + " (exit status " +
                        std::to_string(status) + ")");
    }
}

} // namespace torvelix::wordexport
