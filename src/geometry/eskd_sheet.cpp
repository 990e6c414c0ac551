// The sheet of the complete drawing: the trimmed sheet's edge, the frame, the title block
// of the first form with its grid, captions and the design's entries, and the technical
// requirements above it. Positions are paper millimetres from the sheet's corner.
#include "eskd_drawing.h"
#include "eskd_sheet_text.h"
#include "geometry_support.h"

#include <algorithm>

namespace torvelix::geometry {

namespace {

class SheetPen {
public:
    SheetPen(DrawingState& state, const SheetLayout& sheet)
        : space_(detail::targetSpace(state)), sheet_(sheet) {}

    Point at(double x, double y) const {
        return Point{sheet_.Corner.x + x / sheet_.Scale, sheet_.Corner.y + y / sheet_.Scale,
                     sheet_.Corner.z};
    }
    void line(double x1, double y1, double x2, double y2) {
        space_.AddLine(at(x1, y1), at(x2, y2));
    }
    void box(double x1, double y1, double x2, double y2) {
        line(x1, y1, x2, y1);
        line(x2, y1, x2, y2);
        line(x2, y2, x1, y2);
        line(x1, y2, x1, y1);
    }
    void text(const std::string& text, double x, double y, double height) {
        if (!text.empty()) {
            space_.AddText(text, at(x, y), height / sheet_.Scale);
        }
    }
    // The text inside the cell from (x1, y1) to (x2, y2), `height` high where it fits:
    // wrapped into lines when `wrap` allows and the cell is tall enough (at the next
    // smaller standard height, 2.5 mm, when the lines at `height` are too many), then
    // made smaller until the widest line fits, as drafters do; left-aligned or centred,
    // and centred upright with room for the letters below the line.
    void cellText(const std::string& text, double x1, double y1, double x2, double y2,
                  double height, bool centred = false, bool wrap = false) {
        if (text.empty()) {
            return;
        }
        const double inset = 0.8;
        const double width = x2 - x1 - 2 * inset;
        std::vector<std::string> lines{text};
        double lineHeight = height;
        if (wrap && sheetTextWidth(text, height) > width) {
            for (const double tried : {height, std::min(height, kSmallTextMm)}) {
                std::vector<std::string> wrapped = wrapText(text, tried, width);
                if (static_cast<double>(wrapped.size()) * tried * 1.6 <= y2 - y1) {
                    lines = std::move(wrapped);
                    lineHeight = tried;
                    break;
                }
            }
        }
        const auto count = static_cast<double>(lines.size());
        // Capital height plus the part below the line (0.3 of it), 0.6 apart.
        double h = std::min(lineHeight, (y2 - y1 - 2 * inset) / (1.3 * count + 0.6 * (count - 1)));
        for (const std::string& line : lines) {
            h = std::min(h, h * narrowingToFit(line, h, width));
        }
        const double block = h * (1.3 * count + 0.6 * (count - 1));
        double baseline = (y1 + y2 + block) / 2 - h;
        for (const std::string& line : lines) {
            const double lineWidth = sheetTextWidth(line, h);
            const double x = centred ? (x1 + x2 - lineWidth) / 2 : x1 + inset;
            this->text(line, x, baseline, h);
            baseline -= 1.9 * h;
        }
    }

private:
    cad::CadSpace& space_;
    const SheetLayout& sheet_;
};

// The title block's columns on the left (changes and signatures) and its rows, 5 mm each.
constexpr double kLeftColumns[] = {7, 17, 40, 55};
constexpr double kTitleBlockHeight = 55;

} // namespace

void drawEskdSheet(DrawingState& state, cad::CadDocument& document, const SheetLayout& sheet,
                   const EskdSheetInfo& info) {
    SheetPen pen(state, sheet);
    const double w = sheet.Width;
    const double h = sheet.Height;
    // The title block's lower left corner.
    const double x0 = w - 5 - 185;
    const double y0 = 5;

    document.SetActiveLayer(kLayerTitle);
    pen.box(0, 0, w, h);
    // Thin rows of the left part and of the sheet counts.
    for (int row = 1; row < 11; ++row) {
        if (row != 6 && row != 7) {
            pen.line(x0, y0 + 5 * row, x0 + 65, y0 + 5 * row);
        }
    }
    pen.line(x0 + 135, y0 + 20, x0 + 185, y0 + 20);
    for (const double x : {140.0, 145.0}) {
        pen.line(x0 + x, y0 + 20, x0 + x, y0 + 35);
    }

    document.SetActiveLayer(kLayerFrame);
    pen.box(20, 5, w - 5, h - 5);
    pen.box(x0, y0, x0 + 185, y0 + 55);
    pen.line(x0 + 65, y0, x0 + 65, y0 + 55);
    for (const double x : kLeftColumns) {
        pen.line(x0 + x, y0 + 30, x0 + x, y0 + 55);
    }
    for (const double x : {17.0, 40.0, 55.0}) {
        pen.line(x0 + x, y0, x0 + x, y0 + 30);
    }
    pen.line(x0, y0 + 30, x0 + 65, y0 + 30);
    pen.line(x0, y0 + 35, x0 + 65, y0 + 35);
    pen.line(x0 + 65, y0 + 40, x0 + 185, y0 + 40);
    pen.line(x0 + 65, y0 + 15, x0 + 185, y0 + 15);
    pen.line(x0 + 135, y0, x0 + 135, y0 + 40);
    pen.line(x0 + 135, y0 + 35, x0 + 185, y0 + 35);
    pen.line(x0 + 150, y0 + 20, x0 + 150, y0 + 40);
    pen.line(x0 + 167, y0 + 20, x0 + 167, y0 + 40);
    pen.line(x0 + 155, y0 + 15, x0 + 155, y0 + 20);

    document.SetActiveLayer(kLayerTitle);
    const char* captions[] = {"Изм.", "Лист", "№ докум.", "Подп.", "Дата"};
    const double columns[] = {0, 7, 17, 40, 55, 65};
    for (int i = 0; i < 5; ++i) {
        pen.cellText(captions[i], x0 + columns[i], y0 + 30, x0 + columns[i + 1], y0 + 35,
                     kSmallTextMm);
    }
    const char* signatures[] = {"Разраб.", "Пров.", "Т.контр.", "", "Н.контр.", "Утв."};
    for (int i = 0; i < 6; ++i) {
        pen.cellText(signatures[i], x0, y0 + 25 - 5 * i, x0 + 17, y0 + 30 - 5 * i, kSmallTextMm);
    }
    pen.cellText("Лит.", x0 + 135, y0 + 35, x0 + 150, y0 + 40, kSmallTextMm, true);
    pen.cellText("Масса", x0 + 150, y0 + 35, x0 + 167, y0 + 40, kSmallTextMm, true);
    pen.cellText("Масштаб", x0 + 167, y0 + 35, x0 + 185, y0 + 40, kSmallTextMm, true);
    pen.cellText("Лист", x0 + 135, y0 + 15, x0 + 155, y0 + 20, kSmallTextMm);
    pen.cellText("Листов 1", x0 + 155, y0 + 15, x0 + 185, y0 + 20, kSmallTextMm);
    // The entries: the name (7 mm) with the standard below it, the material, mass, scale.
    pen.cellText(info.Name, x0 + 65, y0 + 24, x0 + 135, y0 + 40, 7, true);
    pen.cellText(info.Designation, x0 + 65, y0 + 15, x0 + 135, y0 + 24, kDimensionTextMm, true);
    pen.cellText(info.Material, x0 + 65, y0, x0 + 135, y0 + 15, kDimensionTextMm, true, true);
    pen.cellText(info.Mass, x0 + 150, y0 + 20, x0 + 167, y0 + 35, kDimensionTextMm, true);
    pen.cellText(sheet.ScaleText, x0 + 167, y0 + 20, x0 + 185, y0 + 35, 5, true);
    // The document's designation above the name, the organisation below the sheet
    // counts, the developer's and the checker's surnames beside their captions.
    pen.cellText(info.DocumentDesignation, x0 + 65, y0 + 40, x0 + 185, y0 + 55, 5, true);
    pen.cellText(info.Organisation, x0 + 135, y0, x0 + 185, y0 + 15, kDimensionTextMm, true, true);
    pen.cellText(info.Developer, x0 + 17, y0 + 25, x0 + 40, y0 + 30, kSmallTextMm);
    pen.cellText(info.Checker, x0 + 17, y0 + 20, x0 + 40, y0 + 25, kSmallTextMm);

    // The requirements above the title block, 5 mm in from its edge, the first line on
    // top, 6 mm apart, wrapped to the title block's width.
    const std::vector<std::string> lines = techBlockLines(info.TechLines);
    const double count = static_cast<double>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        pen.text(lines[i], x0 + kTechIndentMm,
                 y0 + kTitleBlockHeight + 5 + kTechPitchMm * (count - 1 - static_cast<double>(i)),
                 kTechTextMm);
    }
    document.SetActiveLayer("0");
}

} // namespace torvelix::geometry
