// Saves the built-in drawing as a DXF file that CAD programs open: AutoCAD 2000 format,
// texts in the Windows-1251 code page that the file declares.
#pragma once

#include "drawing_document.h"

#include <string>

namespace torvelix::cad {

// The whole DXF file for the drawing: model-space and paper-space lines, arcs, circles and
// texts in creation order, the drawing's TILEMODE and DIMSCALE, millimetre units. A text
// character that Windows-1251 lacks is written as a \U+XXXX escape, a control character
// as a space.
std::string dxfText(const DrawingDocument& doc);

// Writes dxfText to `path` with the program's file writer (file_write.h), so that a failed
// save leaves an existing file as it was. Throws FileWriteError "Не удалось сохранить
// чертеж в файл <path>: <reason>" when it cannot be written.
void writeDxf(const DrawingDocument& doc, const std::string& path);

} // namespace torvelix::cad
