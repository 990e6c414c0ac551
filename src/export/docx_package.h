// The Office Open XML package of a typed document (a zip of XML parts) and the
// file writing the backend needs: atomic replacement of a named file, and a new
// file with a unique name in a folder.
#pragma once

#include <string>

#include "docx_document.h"

namespace torvelix::wordexport {

// The bytes of a .docx file holding the document. Throws std::runtime_error when
// the archive cannot be built.
std::string BuildDocxPackage(const DocxDocument& document);

// Writes bytes to path through a temporary file beside it and a rename, so path
// holds either its old content or the whole new one. Throws std::runtime_error
// naming path and the system's reason.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Writes bytes to a new file in directory named stem + "-" + random letters +
// suffix, readable by the user only, and returns its path. Never replaces an
// existing file. Throws std::runtime_error naming the folder and the reason.
std::string WriteUniqueFile(const std::string& directory, const std::string& stem,
                            const std::string& suffix, const std::string& bytes);

} // namespace torvelix::wordexport
