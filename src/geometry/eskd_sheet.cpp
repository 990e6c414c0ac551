// The sheet of the complete drawing: the trimmed sheet's edge, the frame, the title block
// of the first form with its grid, captions and the design's entries, and the technical
// requirements above it. Positions are paper millimetres from the sheet's corner.
#include "eskd_drawing.h"
#include "geometry_support.h"

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

private:
    cad::CadSpace& space_;
    const SheetLayout& sheet_;
};

// The title block's columns on the left (changes and signatures) and its rows, 5 mm each.
constexpr double kLeftColumns[] = {7, 17, 40, 55};

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
    const double captionX[] = {0, 7, 17, 40, 55};
    for (int i = 0; i < 5; ++i) {
        pen.text(captions[i], x0 + captionX[i] + 0.7, y0 + 31.2, 2.5);
    }
    const char* signatures[] = {"Разраб.", "Пров.", "Т.контр.", "", "Н.контр.", "Утв."};
    for (int i = 0; i < 6; ++i) {
        pen.text(signatures[i], x0 + 0.7, y0 + 26.2 - 5 * i, 2.5);
    }
    pen.text("Лит.", x0 + 137, y0 + 36.2, 2.5);
    pen.text("Масса", x0 + 152, y0 + 36.2, 2.5);
    pen.text("Масштаб", x0 + 168, y0 + 36.2, 2.5);
    pen.text("Лист", x0 + 136, y0 + 16.2, 2.5);
    pen.text("Листов 1", x0 + 157, y0 + 16.2, 2.5);
    // The entries: the name (7 mm) with the standard below it, the material, mass, scale.
    pen.text(info.Name, x0 + 70, y0 + 28, 7);
    pen.text(info.Designation, x0 + 68, y0 + 19, 3.5);
    pen.text(info.Material, x0 + 67, y0 + 6, 3.5);
    pen.text(info.Mass, x0 + 151.5, y0 + 26, 3.5);
    pen.text(sheet.ScaleText, x0 + 169, y0 + 26, 5);

    // The requirements above the title block, the first line on top, 6 mm apart.
    const double lines = static_cast<double>(info.TechLines.size());
    for (std::size_t i = 0; i < info.TechLines.size(); ++i) {
        pen.text(info.TechLines[i], x0, y0 + 55 + 5 + 6 * (lines - 1 - static_cast<double>(i)),
                 3.5);
    }
    document.SetActiveLayer("0");
}

} // namespace torvelix::geometry
