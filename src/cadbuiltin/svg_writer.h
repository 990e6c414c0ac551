// Saves the active space of the built-in drawing as an SVG picture, to look at a drawing
// without a CAD program (a browser shows it at its size in millimetres).
#pragma once

#include "drawing_document.h"

#include <string>

namespace torvelix::cad {

// The SVG text of the space the drawing's view shows (DrawingDocument::activeSpace):
// lines, arcs, circles and texts in black on a white page that fits them with a 5 mm
// margin, one SVG unit per millimetre, Y pointing up as in the drawing.
std::string svgText(const DrawingDocument& doc);

// Writes svgText to `path` with the program's file writer (file_write.h). Throws
// FileWriteError "Не удалось сохранить чертеж в файл <path>: <reason>" when it cannot be
// written.
void writeSvg(const DrawingDocument& doc, const std::string& path);

} // namespace torvelix::cad
