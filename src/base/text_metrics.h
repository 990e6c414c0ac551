// The width of a drawing text in the sheet's font: Liberation Sans, which has Arial's
// metrics (the font the DXF file's text style names), so that a text made to fit a cell
// fits it in every program that draws the file.
#pragma once

#include <string>

namespace torvelix {

// The width of a UTF-8 text whose capital letters are `height` high (a drawing's text
// height), in the same unit as the height. A character the table does not know counts as
// wide as the font's em square, more than any letter it has.
double textWidth(const std::string& utf8, double height);

} // namespace torvelix
