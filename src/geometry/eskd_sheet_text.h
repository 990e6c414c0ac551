// The texts of the complete drawing: numbers in the ESKD style, the force labels, the
// width a text takes on paper, and texts made to fit a cell (narrowed as drafters do, or
// wrapped into lines).
#pragma once

#include <string>
#include <vector>

namespace torvelix::geometry {

// A size or force as the sheet writes it: decimal comma, trailing zeros dropped.
std::string formatSize(double value);

// "F1 = 20 Н" for the force with the given number.
std::string forceLabel(int number, double force);

// The width on paper of a text of the given height (capital height, millimetres) in the
// sheet's font.
double sheetTextWidth(const std::string& text, double height);

// The width factor (at most 1) that narrows a text of the given height to `width`.
double narrowingToFit(const std::string& text, double height, double width);

// The text split at spaces into lines no wider than `width` (a word wider than that
// stands alone on its line).
std::vector<std::string> wrapText(const std::string& text, double height, double width);

// The requirement lines above the title block: wrapped to its width, 3.5 mm high, 6 mm
// apart; the room they take above the title block, nothing without lines.
inline constexpr double kTechTextMm = 3.5;
inline constexpr double kTechPitchMm = 6;
inline constexpr double kTechIndentMm = 5;
inline constexpr double kTechWidthMm = 185 - 2 * kTechIndentMm;
std::vector<std::string> techBlockLines(const std::vector<std::string>& lines);
double techBlockHeight(const std::vector<std::string>& lines);

} // namespace torvelix::geometry
