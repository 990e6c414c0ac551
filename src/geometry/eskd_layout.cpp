// The sheet of the complete drawing: the room the spring's picture needs around it, the
// view and length it is drawn with, the format and scale, and the layers it is drawn on.
#include "eskd_drawing.h"
#include "eskd_sheet_text.h"
#include "spring_fit.h"

#include <algorithm>
#include <cmath>

namespace torvelix::geometry {

namespace {

struct Format {
    const char* name;
    double width;
    double height;
};
constexpr Format kFormats[] = {
    {"A4", 210, 297}, {"A3", 420, 297}, {"A2", 594, 420}, {"A1", 841, 594}};

struct Scale {
    double factor;
    const char* text;
};
// The standard scales, largest first: a sheet takes the largest that fits.
constexpr Scale kScales[] = {{50, "50:1"},   {40, "40:1"},    {20, "20:1"},       {10, "10:1"},
                             {5, "5:1"},     {4, "4:1"},      {2.5, "2,5:1"},     {2, "2:1"},
                             {1, "1:1"},     {0.5, "1:2"},    {0.4, "1:2,5"},     {0.25, "1:4"},
                             {0.2, "1:5"},   {0.1, "1:10"},   {1.0 / 15, "1:15"}, {0.05, "1:20"},
                             {0.04, "1:25"}, {0.025, "1:40"}, {0.02, "1:50"},     {0.01, "1:100"}};

// The frame: 20 mm at the binding edge, 5 mm elsewhere; the title block 185 x 55 mm in
// its lower right corner, the requirements above it.
constexpr double kTitleWidth = 185;
constexpr double kTitleHeight = 55;
// Between the picture's room and the area's edges.
constexpr double kMargin = 5;

// Dimension lines stand 10 mm from the outline and 7 mm from each other; the wire's
// diameter label rises about 10.5 mm above the first coil (a leader of 8 mm at 45 degrees).
constexpr double kFirstDimension = 10;
constexpr double kNextDimension = 7;
constexpr double kWireLabel = 12;

struct Placement {
    const Format* format;
    const Scale* scale;
    double areaLeft, areaBottom, areaRight, areaTop;
};

} // namespace

double diagramHeightMm(const DrawingParams& p, double scale) {
    return std::clamp(0.5 * p.D0 * scale, 20.0, 40.0);
}

PictureRoom pictureRoom(const DrawingParams& p, const SheetLayout& sheet) {
    PictureRoom room;
    const double k = sheet.Scale;
    const double outer = (p.D0 + p.d) * k;
    room.left = 7;
    // The outer diameter right of the spring, its text between the outline and the line
    // when it fits along it, else beyond its upper arrow.
    const double diameterText = sheetTextWidth("⌀" + formatSize(p.D0 + p.d), kDimensionTextMm);
    room.right = kFirstDimension + 2;
    const double textAlong = diameterText + 2.5 * 2.5;
    const double diameterAbove = textAlong > outer ? textAlong + 2 * 2.5 : 0;
    room.below = kFirstDimension + kNextDimension + 2;
    room.above = std::max(kWireLabel, diameterAbove);
    if (sheet.Diagram) {
        // L3, L2, L1 above the wire label, the diagram above them, its force labels
        // (stacked when they would overlap) over the force line.
        const double base = kWireLabel + 3 * kNextDimension + 3;
        room.above = std::max(room.above, base + diagramHeightMm(p, k) + 3 * 4);
        double widest = 0;
        for (const double force : {p.F1, p.F2, p.F3}) {
            widest = std::max(widest, sheetTextWidth(forceLabel(1, force), kSmallTextMm));
        }
        // The labels stand right of their ordinates, the rightmost at L1 (scaled to the
        // drawn length), short of L0 by L0 - L1.
        const double lengthScale = sheet.ViewLength / p.L0;
        const double shortOfEnd = (p.L0 - p.L1) * lengthScale * k;
        room.right = std::max(room.right, 1 + widest - shortOfEnd + 1);
    }
    return room;
}

std::optional<SheetLayout> chooseSheet(const DrawingParams& p, const EskdSheetInfo& info) {
    const double techHeight = techBlockHeight(info.TechLines);
    const bool broken = p.ViewType == ViewType::WithBreak;
    const bool whole = !broken || breakLeavesNothingOut(p);
    // The view with a break at its tightest: its coils, one pitch for the break.
    const double reach = endReach(p, p.L0);
    const double tightLength = 2 * (reach + breakCoilsShown(p) * p.t) + p.t;

    // The first (smallest format, largest scale) placement where the picture of the given
    // length fits; its longest length at that scale when `stretch` (up to L0).
    const auto place = [&](double length, SheetLayout& out) {
        for (const Format& format : kFormats) {
            const double innerLeft = 20;
            const double innerRight = format.width - 5;
            const double innerTop = format.height - 5;
            struct Area {
                double left, bottom, right, top;
            };
            // Above the title block and requirements, across the sheet; or left of them
            // over the whole height.
            const Area areas[] = {{innerLeft, 5 + kTitleHeight + techHeight, innerRight, innerTop},
                                  {innerLeft, 5, innerRight - kTitleWidth, innerTop}};
            for (const Scale& scale : kScales) {
                for (const Area& area : areas) {
                    SheetLayout sheet;
                    sheet.Format = format.name;
                    sheet.Width = format.width;
                    sheet.Height = format.height;
                    sheet.Scale = scale.factor;
                    sheet.ScaleText = scale.text;
                    sheet.AreaLeft = area.left;
                    sheet.AreaBottom = area.bottom;
                    sheet.AreaRight = area.right;
                    sheet.AreaTop = area.top;
                    sheet.DrawnView = whole && broken ? ViewType::Full : p.ViewType;
                    sheet.Diagram = broken && p.WithDiagram;
                    sheet.ViewLength = length;
                    const double k = scale.factor;
                    const PictureRoom room = pictureRoom(p, sheet);
                    const double width = length * k + room.left + room.right + 2 * kMargin;
                    const double height = (p.D0 + p.d) * k + room.below + room.above + 2 * kMargin;
                    if (width <= area.right - area.left && height <= area.top - area.bottom) {
                        out = sheet;
                        return true;
                    }
                }
            }
        }
        return false;
    };
    SheetLayout full;
    const bool fitsWhole = place(p.L0, full);
    if (whole) {
        return fitsWhole ? std::optional(full) : std::nullopt;
    }
    SheetLayout shortened;
    if (!place(tightLength, shortened)) {
        return fitsWhole ? std::optional(full) : std::nullopt;
    }
    // Drawn as long as L0 where that costs at most one step of scale on the same format;
    // else the break leaves out what the tightest view's sheet and scale cannot hold.
    if (fitsWhole && full.Format == shortened.Format && full.Scale * 2.5 >= shortened.Scale) {
        return full;
    }
    const double k = shortened.Scale;
    const PictureRoom room = pictureRoom(p, shortened);
    const double available =
        (shortened.AreaRight - shortened.AreaLeft - room.left - room.right - 2 * kMargin) / k;
    shortened.ViewLength = std::clamp(available, tightLength, p.L0);
    // The labels' room follows the length; keep the tightest length where it no longer fits.
    const PictureRoom longer = pictureRoom(p, shortened);
    if (shortened.ViewLength * k + longer.left + longer.right + 2 * kMargin >
        shortened.AreaRight - shortened.AreaLeft) {
        shortened.ViewLength = tightLength;
    }
    return shortened;
}

Point springStartOnSheet(const DrawingParams& p, const SheetLayout& sheet) {
    const double k = sheet.Scale;
    const PictureRoom room = pictureRoom(p, sheet);
    const double width = sheet.ViewLength * k + room.left + room.right;
    const double height = (p.D0 + p.d) * k + room.below + room.above;
    // The picture centred in its area; paper millimetres from the sheet's corner.
    const double left = (sheet.AreaLeft + sheet.AreaRight - width) / 2 + room.left;
    const double bottom = (sheet.AreaBottom + sheet.AreaTop - height) / 2 + room.below;
    const double axis = bottom + (p.D0 + p.d) * k / 2;
    return Point{sheet.Corner.x + left / k, sheet.Corner.y + axis / k, sheet.Corner.z};
}

void prepareEskdDocument(cad::CadDocument& document, const SheetLayout& sheet) {
    const double k = sheet.Scale;
    // A long dash of 12 mm, gaps of 3 mm and a dot, on paper.
    document.AddLinetype(kDashDot, "Dash dot __ . __ . __", {12 / k, -3 / k, 0.0, -3 / k});
    // Solid main lines 0.5 mm, thin lines 0.25 mm.
    document.AddLayer(kLayerOutline, 7, 50, "CONTINUOUS");
    document.AddLayer(kLayerAxes, 1, 25, kDashDot);
    document.AddLayer(kLayerHatch, 8, 25, "CONTINUOUS");
    document.AddLayer(kLayerDimensions, 3, 25, "CONTINUOUS");
    document.AddLayer(kLayerDiagram, 5, 25, "CONTINUOUS");
    document.AddLayer(kLayerFrame, 7, 50, "CONTINUOUS");
    document.AddLayer(kLayerTitle, 7, 25, "CONTINUOUS");
    document.SetVariableReal("DIMSCALE", 1 / k);
}

} // namespace torvelix::geometry
