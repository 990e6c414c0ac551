// Texts of the complete drawing: ESKD numbers, force labels, widths on paper and fitting.
#include "eskd_sheet_text.h"

#include "number_format.h"
#include "text_metrics.h"

#include <algorithm>

namespace torvelix::geometry {

std::string formatSize(double value) {
    return formatDrawingNumber(value, 3);
}

std::string forceLabel(int number, double force) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on a short
    // literal joined to a string with operator+.
    std::string label(1, 'F');
    label.append(std::to_string(number)).append(" = ").append(formatSize(force)).append(" Н");
    return label;
}

double sheetTextWidth(const std::string& text, double height) {
    return textWidth(text, height);
}

double narrowingToFit(const std::string& text, double height, double width) {
    const double natural = sheetTextWidth(text, height);
    return natural > width && natural > 0 ? width / natural : 1.0;
}

std::vector<std::string> wrapText(const std::string& text, double height, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t space = text.find(' ', from);
        if (space == std::string::npos) {
            space = text.size();
        }
        const std::string word = text.substr(from, space - from);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && sheetTextWidth(longer, height) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        from = space + 1;
    }
    lines.push_back(line);
    return lines;
}

std::vector<std::string> techBlockLines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        for (std::string& piece : wrapText(line, kTechTextMm, kTechWidthMm)) {
            out.push_back(std::move(piece));
        }
    }
    return out;
}

double techBlockHeight(const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return 0;
    }
    return kTechPitchMm * static_cast<double>(techBlockLines(lines).size()) + 5;
}

} // namespace torvelix::geometry
