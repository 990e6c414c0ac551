// The Office Open XML package of a typed document (a zip of XML parts); the files
// are written with the program's file writer (file_write.h).
#pragma once

#include <string>

#include "docx_document.h"

namespace torvelix::wordexport {

// The bytes of a .docx file holding the document. Throws UserError when
// the archive cannot be built.
std::string buildDocxPackage(const DocxDocument& document);

} // namespace torvelix::wordexport
