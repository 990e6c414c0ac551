// Saves the built-in drawing as a one-page PDF at its true scale: a drawing on a sheet
// (the complete drawing, DIMSCALE the reciprocal of its scale) fills a page of the sheet's
// size; any other drawing gets a page of its extents with a 5 mm margin at 1:1.
#pragma once

#include "drawing_document.h"
#include "output_formats.h"

#include <string>

namespace torvelix::cad {

// The PDF file's bytes. Needs a QGuiApplication (fonts); an offscreen one does.
std::string pdfBytes(const DrawingDocument& doc);

// Writes pdfBytes to `path` through the program's atomic file writer. Throws
// FileWriteError with a message naming the file when it cannot be written.
void writePdf(const DrawingDocument& doc, const std::string& path);

// PDF as an output format ("pdf", pdfBytes); it needs a QGuiApplication when it writes.
OutputFormat pdfOutputFormat();

// Every format of the drawing: DXF (the fallback), SVG and PDF.
OutputFormats drawingOutputFormats();

} // namespace torvelix::cad
