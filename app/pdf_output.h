// PDF output of `torvelix draw`: Qt's PDF writer, given to the command line by main.
#pragma once

#include "drawing_document.h"

#include <string>

namespace torvelix::app {

// Writes the drawing as a PDF page; starts an offscreen GUI application first when
// there is none (Qt's fonts need one). Throws what cad::writePdf throws.
void writePdfHeadless(const cad::DrawingDocument& doc, const std::string& path);

} // namespace torvelix::app
